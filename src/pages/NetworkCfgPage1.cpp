#include "src/pages/NetworkCfgPage1.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
std::string SelectedText(const CComboBox& combo)
{
    return combo.GetLBText(combo.GetCurSel());
}
} // namespace

BEGIN_MESSAGE_MAP(CNetworkCfgPage1, CCfgPage)
ON_CBN_SELCHANGE(IDC_DATA_TEI, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_VOICE_TEI, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkCfgPage1::CNetworkCfgPage1() : CCfgPage(IDD) {}

BOOL CNetworkCfgPage1::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strDataTEILabel = AfxLoadString(IDS_DATA_TEI_LABEL);
    m_strIntro = AfxLoadString(IDS_TEI_INTRO);
    m_strVoiceTEILabel = AfxLoadString(IDS_VOICE_TEI_LABEL);
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
    DDX_Control(pDX, IDC_VOICE_TEI, m_cbVoiceTEI);
    DDX_Control(pDX, IDC_DATA_TEI, m_cbDataTEI);
    DDX_CBString(pDX, IDC_DATA_TEI, m_strDataTEI);
    DDX_CBString(pDX, IDC_VOICE_TEI, m_strVoiceTEI);
    DDX_Text(pDX, IDC_DATA_TEI_LABEL, m_strDataTEILabel);
    DDX_Text(pDX, IDC_TEI_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_VOICE_TEI_LABEL, m_strVoiceTEILabel);
}
