// The network switch type page.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkSwitchType : public CCfgPage
{
public:
    static constexpr UINT IDD = 133;

    CNetworkSwitchType();

    std::string m_strSwitchType;  // the chosen switch type, combo 1006
    std::string m_strIntro;       // static 1076
    std::string m_strSwitchLabel; // static 1075
};
