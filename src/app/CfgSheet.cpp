#include "src/app/CfgSheet.h"

#include "src/app/CfgApp.h"

IMPLEMENT_DYNAMIC(CCfgSheet, CPropertySheet)

CCfgSheet::CCfgSheet(const std::string& caption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(caption, pParentWnd, iSelectPage)
{
    m_hIcon = theApp.LoadIcon(128);
    m_bExpressSetup = FALSE;
    m_bUSSwitchType = FALSE;
    m_bTEIDisabled = FALSE;

    AddPage(&m_welcomePage);
    AddPage(&m_portPage);
    AddPage(&m_idingPage);
    AddPage(&m_iniSectionPage);
    AddPage(&m_networkSwitchTypePage);
    AddPage(&m_bandwidthPage);
    AddPage(&m_networkCfgPage1);
    AddPage(&m_networkCfgPage2US);
    AddPage(&m_networkCfgPage2Europe);
    AddPage(&m_callCtrlCfgPage);
    AddPage(&m_dataProtocolPage);
    AddPage(&m_storedNumbersPage);
    AddPage(&m_portCtrlCfgPage1);
    AddPage(&m_portCtrlCfgPage2);
    AddPage(&m_potsPortPage);
    AddPage(&m_saveCfgPage);
    AddPage(&m_loadCfgPage);
    AddPage(&m_configingPage);
    AddPage(&m_configSuccessPage);
    AddPage(&m_configErrorPage);
    AddPage(&m_configTimeoutPage);

    m_welcomePage.SetSheet(this);
    m_portPage.SetSheet(this);
    m_idingPage.SetSheet(this);
    m_iniSectionPage.SetSheet(this);
    m_networkSwitchTypePage.SetSheet(this);
    m_bandwidthPage.SetSheet(this);
    m_networkCfgPage1.SetSheet(this);
    m_networkCfgPage2US.SetSheet(this);
    m_networkCfgPage2Europe.SetSheet(this);
    m_callCtrlCfgPage.SetSheet(this);
    m_dataProtocolPage.SetSheet(this);
    m_storedNumbersPage.SetSheet(this);
    m_portCtrlCfgPage1.SetSheet(this);
    m_portCtrlCfgPage2.SetSheet(this);
    m_potsPortPage.SetSheet(this);
    m_saveCfgPage.SetSheet(this);
    m_loadCfgPage.SetSheet(this);
    m_configingPage.SetSheet(this);
    m_configSuccessPage.SetSheet(this);
    m_configErrorPage.SetSheet(this);
    m_configTimeoutPage.SetSheet(this);
}

CCfgSheet::~CCfgSheet() = default;

BOOL CCfgSheet::OnInitDialog()
{
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return CPropertySheet::OnInitDialog();
}
