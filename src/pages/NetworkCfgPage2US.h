// The North American numbers page: the SPIDs and directory numbers that an AT&T 5ESS, DMS-100 or
// NI - 1 switch gives the adapter. Only this numbering scheme is sent while the page is used; a
// channel whose TEI is "Disabled" has its fields greyed and its numbers not sent.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage2US : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SPID_NUMBERS;

    CNetworkCfgPage2US();

    // Models 7, 8 and 9 have no second data directory number (its field is hidden) and label
    // the fields by position.
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

    int m_bForward = 1; // 1 after Next, 0 after Back: data are validated only on the way forward
    std::string m_strDataDN;         // edit IDC_DATA_DN
    std::string m_strDataSPID;       // edit IDC_DATA_SPID
    std::string m_strVoiceDN;        // edit IDC_VOICE_DN
    std::string m_strVoiceSPID;      // edit IDC_VOICE_SPID
    std::string m_strDataDNLabel;    // static IDC_DATA_DN_LABEL
    std::string m_strDataSPIDLabel;  // static IDC_DATA_SPID_LABEL
    std::string m_strIntro;          // static IDC_SPID_INTRO
    std::string m_strVoiceDNLabel;   // static IDC_VOICE_DN_LABEL
    std::string m_strVoiceSPIDLabel; // static IDC_VOICE_SPID_LABEL
    std::string m_strDataDN2Label;   // static IDC_DATA_DN2_LABEL
    std::string m_strDataDN2;        // edit IDC_DATA_DN2
};
