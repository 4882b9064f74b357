// The welcome page: the introduction and whether to search for the adapter.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CWelcomePage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 130;

    CWelcomePage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    bool m_bSearch = false;        // the last answer given with Next: "Yes" (search) or "No"
    CButton m_btnYes;              // the "Yes" radio button, control 1159
    std::string m_strIntro;        // static 1057
    int m_nSearchChoice = -1;      // radio group index: 0 "Yes", 1 "No"
};
