// The serial signal page: how the adapter treats DTR, DSR, CTS and DCD on its serial interface,
// and the DTR detect and DCD drop times.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortCtrlCfgPage1 : public CCfgPage
{
public:
    static constexpr UINT IDD = 140;

    CPortCtrlCfgPage1();

    // Loads the texts and fills the four signal lists, then moves the members to the controls.
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    std::string m_strCTS;            // combo 1024
    std::string m_strDCD;            // combo 1025
    std::string m_strDSR;            // combo 1023
    int m_nDTRDetectTime = 0;        // edit 1026
    int m_nDCDDropTime = 0;          // edit 1027
    std::string m_strDTR;            // combo 1022
    std::string m_strIntro;          // static 1109
    std::string m_strDTRDetectLabel; // static 1112
    std::string m_strDTRLabel;       // static 1114
    std::string m_strDSRLabel;       // static 1115
    std::string m_strDCDDropLabel;   // static 1113
    std::string m_strDCDLabel;       // static 1117
    std::string m_strCTSLabel;       // static 1116

protected:
    // Leaving the page (by Next or by Back) refuses a time that is not an integer, then one
    // outside its parameter's range; the DTR detect time is checked first. The edits take at
    // most 5 characters.
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
