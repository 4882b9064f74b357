#include "src/pages/NetworkSwitchTypePage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kDirededeModel = 6; // sold for North American lines only
} // namespace

BEGIN_MESSAGE_MAP(CNetworkSwitchType, CCfgPage)
ON_CBN_SELCHANGE(IDC_SWITCH_TYPE, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkSwitchType::CNetworkSwitchType() : CCfgPage(IDD) {}

BOOL CNetworkSwitchType::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strIntro = AfxLoadString(IDS_SWITCH_INTRO);
    m_strSwitchLabel = AfxLoadString(IDS_SWITCH_TYPE_LABEL);
    const ChoiceEntry* offered = theApp.m_device.modelCode == kDirededeModel
                                     ? kNorthAmericanSwitchTypeChoices
                                     : kSwitchTypeChoices;
    FillCombo(IDC_SWITCH_TYPE, offered);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CNetworkSwitchType::OnSetActive()
{
    return ActivateSettingsPage();
}

LRESULT CNetworkSwitchType::OnWizardNext()
{
    if (m_pSheet != nullptr && IsZandiZobraOrPellorAdapter())
        return JumpTo(m_pSheet->m_networkCfgPage1);
    return 0;
}

void CNetworkSwitchType::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    // A text that no item begins with leaves the previous selection, which saving then takes.
    DDX_CBString(pDX, IDC_SWITCH_TYPE, m_strSwitchType);
    DDX_Text(pDX, IDC_SWITCH_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_SWITCH_TYPE_LABEL, m_strSwitchLabel);
    if (pDX->m_bSaveAndValidate && m_pSheet != nullptr)
        m_pSheet->m_bUSSwitchType = IsUSSwitchType(m_strSwitchType);
}
