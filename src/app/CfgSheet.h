// The wizard sheet: owns the 21 pages and the flags that steer the route between them.
#pragma once

#include "framework/Afx.h"
#include "src/pages/pages.h"

#include <string>

class CCfgSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CCfgSheet)

public:
    // Builds the pages, loads the program icon (IDI_WIZARD), clears the three flags, adds the pages
    // in wizard order (welcome page first, timeout page last) and hands every page its sheet.
    CCfgSheet(const std::string& caption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CCfgSheet() override;

    // Gives the sheet window the program icon as big and small icon, then the base initialisation
    // (which activates the first page); returns the base's result.
    BOOL OnInitDialog() override;

    // Replaces the catalogue (theParams) by the parameters of theApp.m_device's model, each bound
    // to the member of the page whose control edits it, and to the profile file beside the
    // executable (g_profilePath is set) or to `profilePath` (g_profilePath is left as it is).
    void BuildCatalogue();
    void BuildCatalogue(const std::string& profilePath);

    CWelcomePage m_welcomePage;
    CIDingPage m_idingPage;
    CPortPage m_portPage;
    CPOTSPortPage m_potsPortPage;
    CBandwidthPage m_bandwidthPage;
    CINISectionPage m_iniSectionPage;
    CNetworkSwitchType m_networkSwitchTypePage;
    CNetworkCfgPage1 m_networkCfgPage1;
    CNetworkCfgPage2US m_networkCfgPage2US;
    CNetworkCfgPage2Europe m_networkCfgPage2Europe;
    CCallCtrlCfgPage m_callCtrlCfgPage;
    CDataProtocolPage m_dataProtocolPage;
    CStoredNumbersPage m_storedNumbersPage;
    CPortCtrlCfgPage1 m_portCtrlCfgPage1;
    CPortCtrlCfgPage2 m_portCtrlCfgPage2;
    CSaveCfgPage m_saveCfgPage;
    CLoadCfgPage m_loadCfgPage;
    CConfigingPage m_configingPage;
    CConfigSuccessPage m_configSuccessPage;
    CConfigErrorPage m_configErrorPage;
    CConfigTimeoutPage m_configTimeoutPage;

    BOOL m_bExpressSetup = FALSE; // the setup type is "Express (Existing)"
    BOOL m_bUSSwitchType = FALSE; // the switch type is a North American one
    BOOL m_bTEIDisabled = FALSE;  // data and voice TEI are both "Disabled"
    HICON m_hIcon = nullptr;      // IDI_WIZARD
};
