// The serial signal page: how the adapter treats DTR, DSR, CTS and DCD on its serial interface,
// and the DTR detect and DCD drop times.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortCtrlCfgPage1 : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SERIAL_SIGNALS;

    CPortCtrlCfgPage1();

    // Fills the four signal lists and limits the two times to a number field's characters.
    BOOL OnInitDialog() override;

    std::string m_strCTS;            // combo IDC_CTS_SIGNAL
    std::string m_strDCD;            // combo IDC_DCD_SIGNAL
    std::string m_strDSR;            // combo IDC_DSR_SIGNAL
    int m_nDTRDetectTime = 0;        // edit IDC_DTR_DETECT_TIME
    int m_nDCDDropTime = 0;          // edit IDC_DCD_DROP_TIME
    std::string m_strDTR;            // combo IDC_DTR_SIGNAL
    std::string m_strIntro;          // static IDC_SIGNALS_INTRO
    std::string m_strDTRDetectLabel; // static IDC_DTR_DETECT_LABEL
    std::string m_strDTRLabel;       // static IDC_DTR_LABEL
    std::string m_strDSRLabel;       // static IDC_DSR_LABEL
    std::string m_strDCDDropLabel;   // static IDC_DCD_DROP_LABEL
    std::string m_strDCDLabel;       // static IDC_DCD_LABEL
    std::string m_strCTSLabel;       // static IDC_CTS_LABEL

protected:
    // Leaving the page (by Next or by Back) refuses a time that is not an integer, then one
    // outside its parameter's range; the DTR detect time is checked first.
    void DoDataExchange(CDataExchange* pDX) override;
};
