// The welcome page: the introduction and whether to search for the adapter.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CWelcomePage : public CCfgPage
{
public:
    static constexpr UINT IDD = 130;

    CWelcomePage();

    bool m_bSearch = false;   // the last answer given with Next: "Yes" (search) or "No"
    CButton m_btnYes;         // the "Yes" radio button, control 1159
    std::string m_strIntro;   // static 1057
    int m_nSearchChoice = -1; // radio group index: 0 "Yes", 1 "No"
};
