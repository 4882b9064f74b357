// The outcome page for a configuration the adapter accepted.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CConfigSuccessPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 145;

    CConfigSuccessPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strMessage;      // static 1137
};
