#include "src/pages/DataProtocolPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"

namespace
{
constexpr int kProtocolCombo = 1011;
constexpr int kAutoDetectBox = 1156;
constexpr int kIntroStatic = 1091;
constexpr int kProtocolLabelStatic = 1093;
constexpr UINT kIntroText = 1398;
constexpr UINT kProtocolLabelText = 1399;
} // namespace

// The auto detection box is bound like every other settings control: without it a change of
// that box alone would leave the configuration unmodified, the express path would skip the save
// page, and the adapter would get a value the profile never kept.
BEGIN_MESSAGE_MAP(CDataProtocolPage, CCfgPage)
ON_CBN_SELCHANGE(kProtocolCombo, &CCfgPage::OnSettingChanged)
ON_BN_CLICKED(kAutoDetectBox, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CDataProtocolPage::CDataProtocolPage() : CCfgPage(IDD) {}

BOOL CDataProtocolPage::OnInitDialog()
{
    m_strIntro = AfxLoadString(kIntroText);
    m_strProtocolLabel = AfxLoadString(kProtocolLabelText);
    FillCombo(kProtocolCombo,
              GetDeviceProtocolChoices(theApp.m_device.modelCode, theApp.m_device.extModelCode));
    // The base initialisation moves the members to the filled controls.
    return CCfgPage::OnInitDialog();
}

BOOL CDataProtocolPage::OnSetActive()
{
    return ActivateSettingsPage();
}

void CDataProtocolPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_CBString(pDX, kProtocolCombo, m_strDataProtocol);
    DDX_Text(pDX, kIntroStatic, m_strIntro);
    DDX_Text(pDX, kProtocolLabelStatic, m_strProtocolLabel);
    DDX_Check(pDX, kAutoDetectBox, m_bAutoDetect);
}

LRESULT CDataProtocolPage::OnWizardNext()
{
    if (m_pSheet == nullptr || !m_pSheet->m_bExpressSetup)
        return 0;
    if (g_bCfgModified)
        return JumpTo(m_pSheet->m_saveCfgPage);
    return JumpTo(m_pSheet->m_loadCfgPage);
}

LRESULT CDataProtocolPage::OnWizardBack()
{
    if (m_pSheet == nullptr || !m_pSheet->m_bExpressSetup)
        return 0;
    if (m_pSheet->m_bTEIDisabled)
    {
        if (IsZandiZobraOrPellorAdapter())
            return JumpTo(m_pSheet->m_iniSectionPage);
        return JumpTo(m_pSheet->m_bandwidthPage);
    }
    if (m_pSheet->m_bUSSwitchType)
        return JumpTo(m_pSheet->m_networkCfgPage2US);
    return JumpTo(m_pSheet->m_networkCfgPage2Europe);
}
