// The welcome page: the introduction and whether to search for the adapter. It is the page the
// wizard starts on and the one every way back ends on, so it gives the sheet its Cancel button
// back whenever it is shown.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CWelcomePage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_WELCOME;

    CWelcomePage();

    // "Yes" checked on the page's first display.
    BOOL OnInitDialog() override;
    // Next only (Back disabled) and the sheet's Cancel button enabled, then the default
    // activation.
    BOOL OnSetActive() override;
    // "Yes" checked at this moment: remembers the search and makes the search page current
    // (-1). Otherwise remembers that the user names the port and returns 0: the COM port page.
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    bool m_bSearch = false;   // the last answer given with Next: "Yes" (search) or "No"
    CButton m_btnYes;         // the "Yes" radio button, control IDC_SEARCH_YES
    std::string m_strIntro;   // static IDC_WELCOME_INTRO
    int m_nSearchChoice = -1; // radio group index: 0 "Yes", 1 "No"
};
