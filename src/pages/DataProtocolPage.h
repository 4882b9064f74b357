// The data protocol page: the protocol of data calls, chosen from the protocols the identified
// adapter offers, and the adapter's own protocol detection. The express path ends here.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CDataProtocolPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_DATA_PROTOCOL;

    CDataProtocolPage();

    // Offers the data protocols of the adapter's row of the device table (none for an adapter
    // without a row).
    BOOL OnInitDialog() override;
    // Express setup: the load page when nothing was modified since the configuration was
    // opened, else the save page (-1). Custom setup: 0, the stored numbers page.
    LRESULT OnWizardNext() override;
    // Express setup: back to the page the express route came from (-1). Custom setup: 0, the
    // call control page.
    LRESULT OnWizardBack() override;

    std::string m_strDataProtocol;  // combo IDC_DATA_PROTOCOL
    std::string m_strIntro;         // static IDC_PROTOCOL_INTRO
    std::string m_strProtocolLabel; // static IDC_DATA_PROTOCOL_LABEL
    int m_bAutoDetect = 0;          // check box IDC_AUTO_DETECT, 0 or 1

protected:
    // No checks: a protocol that is not offered leaves the box as it was, and leaving the page
    // stores the selected text, empty when nothing is selected.
    void DoDataExchange(CDataExchange* pDX) override;
};
