// The North American numbers page: SPIDs and directory numbers.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage2US : public CCfgPage
{
public:
    static constexpr UINT IDD = 135;

    CNetworkCfgPage2US();

    int m_bForward = 1;  // 1 after Next, 0 after Back: data are validated only on the way forward
    CEdit m_editDataDN2; // control 1186
    std::string m_strDataDN;         // edit 1002
    std::string m_strDataSPID;       // edit 1000
    std::string m_strVoiceDN;        // edit 1003
    std::string m_strVoiceSPID;      // edit 1001
    std::string m_strDataDNLabel;    // static 1046
    std::string m_strDataSPIDLabel;  // static 1045
    std::string m_strIntro;          // static 1085
    std::string m_strVoiceDNLabel;   // static 1048
    std::string m_strVoiceSPIDLabel; // static 1047
    std::string m_strDataDN2Label;   // static 1050
    std::string m_strDataDN2;        // edit 1186
};
