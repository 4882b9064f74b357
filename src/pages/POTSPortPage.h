// The POTS port page: the analogue telephone port.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPOTSPortPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 183;

    CPOTSPortPage();

    std::string m_strRingSignalLabel;  // static 1170
    int m_nDialToneGain = 0;           // edit 1174
    std::string m_strGainLabel;        // static 1168
    std::string m_strSuppressionLabel; // static 1169
    std::string m_strDialToneLabel;    // static 1166
    std::string m_strRingFreqLabel;    // static 1165
    std::string m_strPulseLabel;       // static 1167
    std::string m_strPulseRecognition; // combo 1173
    std::string m_strRingSignal;       // combo 1176
    std::string m_strDialTone;         // combo 1172
    std::string m_strSuppression;      // combo 1175
    std::string m_strRingFrequency;    // combo 1171
};
