// The configuring page: waits for the download and moves on to its outcome.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CConfigingPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 144;

    CConfigingPage();

    UINT m_nTimerID = 1;     // identifier of the page's wait timer
    int m_nTicks = 0;        // timer ticks since activation
    std::string m_strStatus; // static 1132
};
