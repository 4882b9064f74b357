// The TEI page: the terminal endpoint identifiers of the data and the voice channel. A channel
// whose TEI is "Disabled" has no numbers on the numbers pages; with both disabled the numbers
// pages are skipped, which Next records in the sheet's m_bTEIDisabled.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkCfgPage1 : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_TEI;

    CNetworkCfgPage1();

    // Fills both combo boxes with the TEI list.
    BOOL OnInitDialog() override;
    // Routes by the TEIs selected now (not by the members, which the move has not saved yet):
    // both "Disabled": the call control page; otherwise the SPID page for a North American
    // switch, the MSN page for any other. A combo box without a selection is not "Disabled".
    LRESULT OnWizardNext() override;
    // Models 7, 8 and 9 have no bandwidth page: back to the switch type page.
    LRESULT OnWizardBack() override;
    // No checks.
    void DoDataExchange(CDataExchange* pDX) override;

    CComboBox m_cbVoiceTEI;         // control IDC_VOICE_TEI
    CComboBox m_cbDataTEI;          // control IDC_DATA_TEI
    std::string m_strDataTEI;       // data TEI choice
    std::string m_strVoiceTEI;      // voice TEI choice
    std::string m_strDataTEILabel;  // static IDC_DATA_TEI_LABEL
    std::string m_strIntro;         // static IDC_TEI_INTRO
    std::string m_strVoiceTEILabel; // static IDC_VOICE_TEI_LABEL
};
