#include "src/pages/NetworkSwitchTypePage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kDirededeModel = 6; // sold for North American lines only

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_SWITCH_INTRO,      IDS_SWITCH_INTRO,      TextOf<&CNetworkSwitchType::m_strIntro>()},
    {IDC_SWITCH_TYPE_LABEL, IDS_SWITCH_TYPE_LABEL, TextOf<&CNetworkSwitchType::m_strSwitchLabel>()},
};
// clang-format on
} // namespace

CNetworkSwitchType::CNetworkSwitchType() : CCfgPage(IDD, kStaticTexts) {}

BOOL CNetworkSwitchType::OnInitDialog()
{
    const ChoiceEntry* offered = theApp.m_device.modelCode == kDirededeModel
                                     ? kNorthAmericanSwitchTypeChoices
                                     : kSwitchTypeChoices;
    FillCombo(IDC_SWITCH_TYPE, offered);
    return CCfgPage::OnInitDialog();
}

LRESULT CNetworkSwitchType::OnWizardNext()
{
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_networkCfgPage1);
    return 0;
}

void CNetworkSwitchType::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    // A text that no item begins with leaves the previous selection, which saving then takes.
    DDX_CBString(pDX, IDC_SWITCH_TYPE, m_strSwitchType);
    if (pDX->m_bSaveAndValidate)
        Sheet().m_bUSSwitchType = IsUSSwitchType(m_strSwitchType);
}
