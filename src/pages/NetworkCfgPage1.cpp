#include "src/pages/NetworkCfgPage1.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
using Page = CNetworkCfgPage1;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_DATA_TEI_LABEL,  IDS_DATA_TEI_LABEL,  TextOf<&Page::m_strDataTEILabel>()},
    {IDC_TEI_INTRO,       IDS_TEI_INTRO,       TextOf<&Page::m_strIntro>()},
    {IDC_VOICE_TEI_LABEL, IDS_VOICE_TEI_LABEL, TextOf<&Page::m_strVoiceTEILabel>()},
};
// clang-format on

std::string SelectedText(const CComboBox& combo)
{
    return combo.GetLBText(combo.GetCurSel());
}
} // namespace

CNetworkCfgPage1::CNetworkCfgPage1() : CCfgPage(IDD, kStaticTexts) {}

BOOL CNetworkCfgPage1::OnInitDialog()
{
    FillCombo(IDC_VOICE_TEI, kTeiChoices);
    FillCombo(IDC_DATA_TEI, kTeiChoices);
    return CCfgPage::OnInitDialog();
}

LRESULT CNetworkCfgPage1::OnWizardNext()
{
    CCfgSheet& sheet = Sheet();
    if (IsDisabledTEI(SelectedText(m_cbDataTEI)) && IsDisabledTEI(SelectedText(m_cbVoiceTEI)))
    {
        sheet.m_bTEIDisabled = TRUE;
        return JumpTo(sheet.m_callCtrlCfgPage);
    }
    sheet.m_bTEIDisabled = FALSE;
    if (sheet.m_bUSSwitchType)
        return 0;
    return JumpTo(sheet.m_networkCfgPage2Europe);
}

LRESULT CNetworkCfgPage1::OnWizardBack()
{
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_networkSwitchTypePage);
    return 0;
}

void CNetworkCfgPage1::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VOICE_TEI, m_cbVoiceTEI);
    DDX_Control(pDX, IDC_DATA_TEI, m_cbDataTEI);
    DDX_CBString(pDX, IDC_DATA_TEI, m_strDataTEI);
    DDX_CBString(pDX, IDC_VOICE_TEI, m_strVoiceTEI);
}
