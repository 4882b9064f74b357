// The serial format page: the adapter's default parity, bit rate, data and stop bits, flow control
// and mode.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortCtrlCfgPage2 : public CCfgPage
{
public:
    static constexpr UINT IDD = 141;

    CPortCtrlCfgPage2();

    std::string m_strDataBits;         // combo 1031
    std::string m_strBitRate;          // combo 1030
    std::string m_strParity;           // combo 1029
    std::string m_strFlowControl;      // combo 1033
    std::string m_strStopBits;         // combo 1032
    std::string m_strSyncMode;         // combo 1028
    std::string m_strBitRateLabel;     // static 1123
    std::string m_strDataBitsLabel;    // static 1124
    std::string m_strFlowControlLabel; // static 1126
    std::string m_strParityLabel;      // static 1122
    std::string m_strIntro;            // static 1118
    std::string m_strStopBitsLabel;    // static 1125
    std::string m_strSyncModeLabel;    // static 1127
};
