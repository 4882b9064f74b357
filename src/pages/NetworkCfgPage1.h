// The TEI page: data and voice TEI.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage1 : public CCfgPage
{
public:
    static constexpr UINT IDD = 134;

    CNetworkCfgPage1();

    CComboBox m_cbVoiceTEI;         // control 1005
    CComboBox m_cbDataTEI;          // control 1004
    std::string m_strDataTEI;       // data TEI choice
    std::string m_strVoiceTEI;      // voice TEI choice
    std::string m_strDataTEILabel;  // static 1081
    std::string m_strIntro;         // static 1078
    std::string m_strVoiceTEILabel; // static 1082
};
