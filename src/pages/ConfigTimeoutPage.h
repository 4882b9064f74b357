// The outcome page for a download the adapter did not acknowledge.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CConfigTimeoutPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 146;

    CConfigTimeoutPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strMessage;      // static 1134
};
