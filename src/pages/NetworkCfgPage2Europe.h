// The MSN page: ISDN numbers and sub-addresses of non-US switches.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage2Europe : public CCfgPage
{
public:
    static constexpr UINT IDD = 136;

    CNetworkCfgPage2Europe();

    int m_bForward = 1;   // 1 after Next, 0 after Back: data are validated only on the way forward
    CEdit m_editDataSub2; // control 1150
    CEdit m_editDataNumber2;           // control 1187
    std::string m_strDataMSN;          // stored data MSN, "number:sub-address"
    std::string m_strDataMSN2;         // stored second data MSN
    std::string m_strVoiceMSN;         // stored voice MSN
    std::string m_strIntro;            // static 1083
    std::string m_strDataSubLabel;     // static 1143
    std::string m_strVoiceNumberLabel; // static 1051
    std::string m_strDataNumberLabel;  // static 1049
    std::string m_strDataSub;          // edit 1144
    std::string m_strDataNumber;       // edit 1042
    std::string m_strVoiceSubLabel;    // static 1146
    std::string m_strVoiceSub;         // edit 1145
    std::string m_strVoiceNumber;      // edit 1043
    std::string m_strDataNumber2Label; // static 1053
    std::string m_strDataNumber2;      // edit 1187
    std::string m_strDataSub2Label;    // static 1148
    std::string m_strDataSub2;         // edit 1150
    std::string m_strNote;             // static 1188
};
