// The North American numbers page: the SPIDs and directory numbers that an AT&T 5ESS, DMS-100 or
// NI - 1 switch gives the adapter. Only this numbering scheme is sent while the page is used; a
// channel whose TEI is "Disabled" has its fields greyed and its numbers not sent.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage2US : public CCfgPage
{
public:
    static constexpr UINT IDD = 135;

    CNetworkCfgPage2US();

    // Labels by model: models 7, 8 and 9 number the fields by position and have no second data
    // directory number.
    BOOL OnInitDialog() override;
    // Switches the MSNs off and the fields and numbers of each channel on or off by its TEI
    // (the second data directory number always off for models 7, 8 and 9), then shows the
    // members.
    BOOL OnSetActive() override;
    // To the data protocol page on the express route, to the call control page otherwise.
    LRESULT OnWizardNext() override;
    // On the express route back to where it came from: the setup type page for models 7, 8 and
    // 9, the bandwidth page for the others; otherwise the TEI page.
    LRESULT OnWizardBack() override;
    // The enabled fields only: each is trimmed of blanks and checked for its length and its
    // characters whenever the page is left; the SPIDs must not be empty on the way forward.
    // The first failure shows its message and keeps the page on that field.
    void DoDataExchange(CDataExchange* pDX) override;

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

    DECLARE_MESSAGE_MAP()
};
