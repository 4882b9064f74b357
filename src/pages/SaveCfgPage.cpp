#include "src/pages/SaveCfgPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileFile.h"
#include "src/profile/ProfileMessages.h"

#include "platform/TextRules.h"

namespace
{
constexpr int kMaxNameLength = 32;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_SAVE_INTRO,        IDS_SAVE_INTRO,        TextOf<&CSaveCfgPage::m_strIntro>()},
    {IDC_CONFIG_NAME_LABEL, IDS_CONFIG_NAME_LABEL, TextOf<&CSaveCfgPage::m_strNameLabel>()},
};
// clang-format on

// The setting through which the page reaches the current configuration name: every setting's
// section is that name, and the data SPID's is used. nullptr while there is no catalogue.
CIniItem* NameSetting()
{
    CCfgParam* param = theParams.FindParam(IDC_DATA_SPID);
    return param != nullptr ? param->GetIniItem() : nullptr;
}
} // namespace

CSaveCfgPage::CSaveCfgPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CSaveCfgPage::OnSetActive()
{
    const CIniItem* setting = NameSetting();
    const std::string current = setting != nullptr ? *setting->Section() : std::string();
    m_strName = IsFactoryDefaultConfig(current) ? AfxLoadString(IDS_UNTITLED) : current;
    // Every activation, the first included: the name is proposed afresh each time.
    UpdateData(FALSE);
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return TRUE;
}

LRESULT CSaveCfgPage::OnWizardNext()
{
    m_bForward = 1;
    return 0;
}

LRESULT CSaveCfgPage::OnWizardBack()
{
    m_bForward = 0;
    if (Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_dataProtocolPage);
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_portCtrlCfgPage2);
    return 0;
}

void CSaveCfgPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    // The name field last, so that a refusal below focuses it.
    DDX_Text(pDX, IDC_CONFIG_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameLength);
    if (pDX->m_bSaveAndValidate && m_bForward == 1 && !SaveConfiguration())
        pDX->Fail();
}

BOOL CSaveCfgPage::SaveConfiguration()
{
    m_strName = std::string(platform::TrimBlanks(m_strName));
    if (IsFactoryDefaultConfig(m_strName))
    {
        AfxMessageBox(IDS_FACTORY_DEFAULT_NAME, MB_OK);
        return FALSE;
    }
    CIniItem* setting = NameSetting();
    if (setting == nullptr || !setting->ValidateConfigName(m_strName))
        return FALSE;
    std::string& current = *setting->Section();
    const std::string previous = current;
    current = m_strName;
    if (!theParams.SaveAll())
    {
        // Not saved under the new name: the pages still hold the configuration of the old one.
        current = previous;
        ReportSaveFailure();
        return FALSE;
    }
    return TRUE;
}
