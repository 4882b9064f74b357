// The bandwidth on demand page.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CBandwidthPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 185;

    CBandwidthPage();

    int m_nHighThreshold = 0;     // edit 1181, seconds
    int m_nHighThroughput = 0;    // edit 1179, kbps
    int m_nLowThreshold = 0;      // edit 1182, seconds
    int m_nLowThroughput = 0;     // edit 1183, kbps
    std::string m_strCallBumping; // combo 1184
    std::string m_strDBAScheme;   // combo 1185
};
