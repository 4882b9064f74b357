// The serial format page: the adapter's default parity, bit rate, data and stop bits, flow control
// and mode on its own serial interface (not the line the wizard talks on).
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortCtrlCfgPage2 : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SERIAL_FORMAT;

    CPortCtrlCfgPage2();

    // Fills the six lists.
    BOOL OnInitDialog() override;
    // Adapters of model 7, 8 or 9 have no POTS port: the save page (-1), modified or not.
    // Others: 0, the POTS port page.
    LRESULT OnWizardNext() override;

    std::string m_strDataBits;         // combo IDC_DATA_BITS
    std::string m_strBitRate;          // combo IDC_BIT_RATE
    std::string m_strParity;           // combo IDC_PARITY
    std::string m_strFlowControl;      // combo IDC_FLOW_CONTROL
    std::string m_strStopBits;         // combo IDC_STOP_BITS
    std::string m_strSyncMode;         // combo IDC_SYNC_MODE
    std::string m_strBitRateLabel;     // static IDC_BIT_RATE_LABEL
    std::string m_strDataBitsLabel;    // static IDC_DATA_BITS_LABEL
    std::string m_strFlowControlLabel; // static IDC_FLOW_CONTROL_LABEL
    std::string m_strParityLabel;      // static IDC_PARITY_LABEL
    std::string m_strIntro;            // static IDC_FORMAT_INTRO
    std::string m_strStopBitsLabel;    // static IDC_STOP_BITS_LABEL
    std::string m_strSyncModeLabel;    // static IDC_SYNC_MODE_LABEL

protected:
    // No checks.
    void DoDataExchange(CDataExchange* pDX) override;
};
