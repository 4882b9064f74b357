#include "src/pages/DataProtocolPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"

// The auto detection box is bound like every other settings control: without it a change of
// that box alone would leave the configuration unmodified, the express path would skip the save
// page, and the adapter would get a value the profile never kept.
BEGIN_MESSAGE_MAP(CDataProtocolPage, CCfgPage)
ON_CBN_SELCHANGE(IDC_DATA_PROTOCOL, &CCfgPage::OnSettingChanged)
ON_BN_CLICKED(IDC_AUTO_DETECT, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CDataProtocolPage::CDataProtocolPage() : CCfgPage(IDD) {}

BOOL CDataProtocolPage::OnInitDialog()
{
    m_strIntro = AfxLoadString(IDS_PROTOCOL_INTRO);
    m_strProtocolLabel = AfxLoadString(IDS_DATA_PROTOCOL_LABEL);
    FillCombo(IDC_DATA_PROTOCOL,
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
    DDX_CBString(pDX, IDC_DATA_PROTOCOL, m_strDataProtocol);
    DDX_Text(pDX, IDC_PROTOCOL_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_DATA_PROTOCOL_LABEL, m_strProtocolLabel);
    DDX_Check(pDX, IDC_AUTO_DETECT, m_bAutoDetect);
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
