// The serial signal page: DTR detect and DCD drop times, DTR, DSR, CTS and DCD.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CPortCtrlCfgPage1 : public CPropertyPage
{
public:
    static constexpr UINT IDD = 140;

    CPortCtrlCfgPage1();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr;   // owning sheet, set by SetSheet when the sheet is built
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
};
