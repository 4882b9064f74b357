#include "src/pages/NetworkCfgPage1.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kDataTEICombo = 1004;
constexpr int kVoiceTEICombo = 1005;

std::string SelectedText(const CComboBox& combo)
{
    return combo.GetLBText(combo.GetCurSel());
}
} // namespace

BEGIN_MESSAGE_MAP(CNetworkCfgPage1, CCfgPage)
ON_CBN_SELCHANGE(kDataTEICombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kVoiceTEICombo, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkCfgPage1::CNetworkCfgPage1() : CCfgPage(IDD) {}

BOOL CNetworkCfgPage1::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strDataTEILabel = AfxLoadString(1385);
    m_strIntro = AfxLoadString(1384);
    m_strVoiceTEILabel = AfxLoadString(1386);
    FillComboFromChoices(m_cbVoiceTEI, kTeiChoices);
    FillComboFromChoices(m_cbDataTEI, kTeiChoices);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CNetworkCfgPage1::OnSetActive()
{
    return ActivateSettingsPage();
}

LRESULT CNetworkCfgPage1::OnWizardNext()
{
    if (m_pSheet == nullptr)
        return 0;
    if (IsDisabledTEI(SelectedText(m_cbDataTEI)) && IsDisabledTEI(SelectedText(m_cbVoiceTEI)))
    {
        m_pSheet->m_bTEIDisabled = TRUE;
        return JumpTo(m_pSheet->m_callCtrlCfgPage);
    }
    m_pSheet->m_bTEIDisabled = FALSE;
    if (m_pSheet->m_bUSSwitchType)
        return 0;
    return JumpTo(m_pSheet->m_networkCfgPage2Europe);
}

LRESULT CNetworkCfgPage1::OnWizardBack()
{
    if (m_pSheet != nullptr && IsZandiZobraOrPellorAdapter())
        return JumpTo(m_pSheet->m_networkSwitchTypePage);
    return 0;
}

void CNetworkCfgPage1::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, kVoiceTEICombo, m_cbVoiceTEI);
    DDX_Control(pDX, kDataTEICombo, m_cbDataTEI);
    DDX_CBString(pDX, kDataTEICombo, m_strDataTEI);
    DDX_CBString(pDX, kVoiceTEICombo, m_strVoiceTEI);
    DDX_Text(pDX, 1081, m_strDataTEILabel);
    DDX_Text(pDX, 1078, m_strIntro);
    DDX_Text(pDX, 1082, m_strVoiceTEILabel);
}
