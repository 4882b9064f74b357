// The serial format page: the adapter's default parity, bit rate, data and stop bits, flow control
// and mode on its own serial interface (not the line the wizard talks on).
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortCtrlCfgPage2 : public CCfgPage
{
public:
    static constexpr UINT IDD = 141;

    CPortCtrlCfgPage2();

    // Loads the texts and fills the six lists, then moves the members to the controls.
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Adapters of model 7, 8 or 9 have no POTS port: the save page (-1), modified or not.
    // Others: 0, the POTS port page.
    LRESULT OnWizardNext() override;

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

protected:
    // No checks.
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
