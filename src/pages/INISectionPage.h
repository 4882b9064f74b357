// The setup type page: the kind of setup and the configuration to start from.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CINISectionPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 132;

    CINISectionPage();

    int m_bForward = 1; // 1 after Next, 0 after Back: data are validated only on the way forward
    std::string m_strLoadedConfig; // name of the configuration last loaded
    int m_nLoadedSetupType = -1;   // setup type of the last load; -1 before any
    int m_nSetupType = 0;          // 0 Custom (New), 1 Custom (Existing), 2 Express (Existing)
    CListBox m_lbConfigs;          // configuration names, control 1040
    CComboBox m_cbSetup;           // setup types, control 1054
    CButton m_btnDelete;           // control 1052
    std::string
        m_strConfigName;    // the configuration now chosen: the profile section of every setting
    std::string m_strIntro; // static 1069
    std::string m_strConfigLabel; // static 1074
    std::string m_strSetupLabel;  // static 1073
};
