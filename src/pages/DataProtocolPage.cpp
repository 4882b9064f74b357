#include "src/pages/DataProtocolPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"

namespace
{
// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_PROTOCOL_INTRO,      IDS_PROTOCOL_INTRO,      TextOf<&CDataProtocolPage::m_strIntro>()},
    {IDC_DATA_PROTOCOL_LABEL, IDS_DATA_PROTOCOL_LABEL, TextOf<&CDataProtocolPage::m_strProtocolLabel>()},
};
// clang-format on
} // namespace

CDataProtocolPage::CDataProtocolPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CDataProtocolPage::OnInitDialog()
{
    FillCombo(IDC_DATA_PROTOCOL,
              GetDeviceProtocolChoices(theApp.m_device.modelCode, theApp.m_device.extModelCode));
    return CCfgPage::OnInitDialog();
}

void CDataProtocolPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_PROTOCOL, m_strDataProtocol);
    DDX_Check(pDX, IDC_AUTO_DETECT, m_bAutoDetect);
}

LRESULT CDataProtocolPage::OnWizardNext()
{
    if (!Sheet().m_bExpressSetup)
        return 0;
    if (g_bCfgModified)
        return JumpTo(Sheet().m_saveCfgPage);
    return JumpTo(Sheet().m_loadCfgPage);
}

LRESULT CDataProtocolPage::OnWizardBack()
{
    CCfgSheet& sheet = Sheet();
    if (!sheet.m_bExpressSetup)
        return 0;
    if (sheet.m_bTEIDisabled)
    {
        if (IsZandiZobraOrPellorAdapter())
            return JumpTo(sheet.m_iniSectionPage);
        return JumpTo(sheet.m_bandwidthPage);
    }
    if (sheet.m_bUSSwitchType)
        return JumpTo(sheet.m_networkCfgPage2US);
    return JumpTo(sheet.m_networkCfgPage2Europe);
}
