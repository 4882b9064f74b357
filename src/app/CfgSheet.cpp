#include "src/app/CfgSheet.h"

#include "src/app/CfgApp.h"

IMPLEMENT_DYNAMIC(CCfgSheet, CPropertySheet)

CCfgSheet::CCfgSheet(const std::string& caption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(caption, pParentWnd, iSelectPage)
{
    m_hIcon = theApp.LoadIcon(IDI_WIZARD);
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

    for (int i = 0; i < GetPageCount(); ++i)
        static_cast<CCfgPage*>(GetPage(i))->SetSheet(this);
}

CCfgSheet::~CCfgSheet() = default;

BOOL CCfgSheet::OnInitDialog()
{
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return CPropertySheet::OnInitDialog();
}
