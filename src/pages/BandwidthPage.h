// The bandwidth on demand page.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CBandwidthPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 185;

    CBandwidthPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    int m_nHighThreshold = 0;      // edit 1181, seconds
    int m_nHighThroughput = 0;     // edit 1179, kbps
    int m_nLowThreshold = 0;       // edit 1182, seconds
    int m_nLowThroughput = 0;      // edit 1183, kbps
    std::string m_strCallBumping;  // combo 1184
    std::string m_strDBAScheme;    // combo 1185
};
