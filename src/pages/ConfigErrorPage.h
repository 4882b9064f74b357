// The outcome page for a download that failed on the line or the port.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CConfigErrorPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 147;

    CConfigErrorPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strMessage;      // static 1139
};
