#include "src/pages/NetworkCfgPage2US.h"

#include "platform/TextRules.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileMessages.h"

namespace
{
using Page = CNetworkCfgPage2US;

// The statics' texts: models 7, 8 and 9 label the fields by position.

// clang-format off
constexpr ModelText<Page> kStaticTexts[] = {
    {&Page::m_strIntro,          IDS_SPID_INTRO, nullptr,               IDS_SPID_INTRO},
    {&Page::m_strDataDNLabel,    0,    "Directory Number 1:", IDS_DATA_DN_LABEL},
    {&Page::m_strVoiceDNLabel,   0,    "Directory Number 2:", IDS_VOICE_DN_LABEL},
    {&Page::m_strDataDN2Label,   0,    "",                    IDS_DATA_DN2_LABEL},
    {&Page::m_strDataSPIDLabel,  0,    "SPID 1:",             IDS_DATA_SPID_LABEL},
    {&Page::m_strVoiceSPIDLabel, 0,    "SPID 2:",             IDS_VOICE_SPID_LABEL},
};

// The number fields in the order they are exchanged, which decides whose message comes first.
struct NumberField
{
    int controlId;          // also the id of its catalogue parameter
    std::string Page::*value;
    int maxChars;           // the maximum length of its parameter
    const char* requiredAs; // the SPIDs: the profile key the message for an empty field names
};

constexpr NumberField kNumberFields[] = {
    {IDC_DATA_DN, &Page::m_strDataDN,    25, nullptr},
    {IDC_VOICE_DN, &Page::m_strVoiceDN,   25, nullptr},
    {IDC_DATA_DN2, &Page::m_strDataDN2,   25, nullptr},
    {IDC_DATA_SPID, &Page::m_strDataSPID,  20, "DataSPID"},
    {IDC_VOICE_SPID, &Page::m_strVoiceSPID, 20, "VoiceSPID"},
};

// Each channel's fields (labels included) and the parameters they send, switched by its TEI.
constexpr int kDataControls[] = {IDC_DATA_SPID_LABEL, IDC_DATA_SPID, IDC_DATA_DN_LABEL, IDC_DATA_DN, IDC_DATA_DN2_LABEL, IDC_DATA_DN2};
constexpr int kDataParams[] = {IDC_DATA_SPID, IDC_DATA_DN, IDC_DATA_DN2};
constexpr int kVoiceControls[] = {IDC_VOICE_SPID_LABEL, IDC_VOICE_SPID, IDC_VOICE_DN_LABEL, IDC_VOICE_DN};
constexpr int kVoiceParams[] = {IDC_VOICE_SPID, IDC_VOICE_DN};

struct Channel
{
    std::string CNetworkCfgPage1::*tei;
    std::span<const int> controls;
    std::span<const int> params;
};

const Channel kChannels[] = {
    {&CNetworkCfgPage1::m_strDataTEI,  kDataControls,  kDataParams},
    {&CNetworkCfgPage1::m_strVoiceTEI, kVoiceControls, kVoiceParams},
};
// clang-format on

// The MSN page's numbers: one numbering scheme is sent at a time.
constexpr int kMsnParams[] = {IDC_DATA_MSN, IDC_DATA_MSN2, IDC_VOICE_MSN};
} // namespace

BEGIN_MESSAGE_MAP(CNetworkCfgPage2US, CCfgPage)
ON_EN_CHANGE(IDC_DATA_SPID, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_VOICE_SPID, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_DN, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_VOICE_DN, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_DN2, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkCfgPage2US::CNetworkCfgPage2US() : CCfgPage(IDD) {}

BOOL CNetworkCfgPage2US::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    if (m_pSheet != nullptr)
    {
        const bool positional = IsZandiZobraOrPellorAdapter();
        SetModelTexts(*this, kStaticTexts, positional);
        m_editDataDN2.ShowWindow(positional ? SW_HIDE : SW_SHOW);
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CNetworkCfgPage2US::OnSetActive()
{
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    for (int id : kMsnParams)
        EnableParam(id, FALSE);
    if (m_pSheet != nullptr)
    {
        for (const Channel& channel : kChannels)
        {
            const BOOL bEnable = !IsDisabledTEI(m_pSheet->m_networkCfgPage1.*channel.tei);
            EnableDlgItems(*this, channel.controls, bEnable);
            for (int id : channel.params)
                EnableParam(id, bEnable);
        }
    }
    if (IsZandiZobraOrPellorAdapter())
        EnableParam(IDC_DATA_DN2, FALSE);
    return CCfgPage::OnSetActive();
}

LRESULT CNetworkCfgPage2US::OnWizardNext()
{
    m_bForward = 1;
    if (m_pSheet == nullptr)
        return 0;
    if (m_pSheet->m_bExpressSetup)
        return JumpTo(m_pSheet->m_dataProtocolPage);
    return JumpTo(m_pSheet->m_callCtrlCfgPage);
}

LRESULT CNetworkCfgPage2US::OnWizardBack()
{
    m_bForward = 0;
    if (m_pSheet == nullptr || !m_pSheet->m_bExpressSetup)
        return 0;
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(m_pSheet->m_iniSectionPage);
    return JumpTo(m_pSheet->m_bandwidthPage);
}

void CNetworkCfgPage2US::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DATA_DN2, m_editDataDN2);
    DDX_Text(pDX, IDC_DATA_DN_LABEL, m_strDataDNLabel);
    DDX_Text(pDX, IDC_DATA_SPID_LABEL, m_strDataSPIDLabel);
    DDX_Text(pDX, IDC_SPID_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_VOICE_DN_LABEL, m_strVoiceDNLabel);
    DDX_Text(pDX, IDC_VOICE_SPID_LABEL, m_strVoiceSPIDLabel);
    DDX_Text(pDX, IDC_DATA_DN2_LABEL, m_strDataDN2Label);
    for (const NumberField& field : kNumberFields)
    {
        std::string& value = this->*field.value;
        DDX_Text(pDX, field.controlId, value);
        // A greyed field belongs to a channel that is not sent: it keeps whatever it holds.
        if (!IsDlgItemEnabled(*this, field.controlId))
            continue;
        DDV_MaxChars(pDX, value, field.maxChars);
        value = std::string(platform::TrimBlanks(value));
        if (field.requiredAs != nullptr)
            RequireText(pDX, value, field.requiredAs, m_bForward);
        theParams.ValidateParam(pDX, field.controlId);
    }
}
