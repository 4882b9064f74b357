// The network switch type page: the ISDN switch of the user's network. Leaving it records in the
// sheet whether the switch is a North American one, which decides between the SPID page and the
// MSN page later on the route.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CNetworkSwitchType : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SWITCH_TYPE;

    CNetworkSwitchType();

    // Fills the combo box: the North American switch types for the DIREDEDE models, every
    // offered switch type for the others.
    BOOL OnInitDialog() override;
    // Models 7, 8 and 9 have no bandwidth page: they go on to the TEI page.
    LRESULT OnWizardNext() override;
    // No check of its own. Saving (by Next or by Back) sets the sheet's m_bUSSwitchType from the
    // chosen text; nothing chosen counts as no North American switch.
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strSwitchType;  // the chosen switch type, combo IDC_SWITCH_TYPE
    std::string m_strIntro;       // static IDC_SWITCH_INTRO
    std::string m_strSwitchLabel; // static IDC_SWITCH_TYPE_LABEL
};
