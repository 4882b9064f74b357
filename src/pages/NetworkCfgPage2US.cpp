#include "src/pages/NetworkCfgPage2US.h"

#include "platform/TextRules.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileMessages.h"

namespace
{
using Page = CNetworkCfgPage2US;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_SPID_INTRO,       IDS_SPID_INTRO,       TextOf<&Page::m_strIntro>()},
    {IDC_DATA_DN_LABEL,    IDS_DATA_DN_LABEL,    TextOf<&Page::m_strDataDNLabel>(),    "Directory Number 1:"},
    {IDC_VOICE_DN_LABEL,   IDS_VOICE_DN_LABEL,   TextOf<&Page::m_strVoiceDNLabel>(),   "Directory Number 2:"},
    {IDC_DATA_DN2_LABEL,   IDS_DATA_DN2_LABEL,   TextOf<&Page::m_strDataDN2Label>(),   ""},
    {IDC_DATA_SPID_LABEL,  IDS_DATA_SPID_LABEL,  TextOf<&Page::m_strDataSPIDLabel>(),  "SPID 1:"},
    {IDC_VOICE_SPID_LABEL, IDS_VOICE_SPID_LABEL, TextOf<&Page::m_strVoiceSPIDLabel>(), "SPID 2:"},
};

// The number fields in the order they are exchanged, which decides whose message comes first.
struct NumberField
{
    int controlId;          // also the id of its catalogue parameter
    std::string Page::*value;
    const char* requiredAs; // the SPIDs: the profile key the message for an empty field names
};

constexpr NumberField kNumberFields[] = {
    {IDC_DATA_DN,    &Page::m_strDataDN,    nullptr},
    {IDC_VOICE_DN,   &Page::m_strVoiceDN,   nullptr},
    {IDC_DATA_DN2,   &Page::m_strDataDN2,   nullptr},
    {IDC_DATA_SPID,  &Page::m_strDataSPID,  "DataSPID"},
    {IDC_VOICE_SPID, &Page::m_strVoiceSPID, "VoiceSPID"},
};

// Each channel's fields (labels included) and the parameters they send, switched by its TEI.
constexpr int kDataControls[] = {IDC_DATA_SPID_LABEL, IDC_DATA_SPID,      IDC_DATA_DN_LABEL,
                                 IDC_DATA_DN,         IDC_DATA_DN2_LABEL, IDC_DATA_DN2};
constexpr int kDataParams[] = {IDC_DATA_SPID, IDC_DATA_DN, IDC_DATA_DN2};
constexpr int kVoiceControls[] = {IDC_VOICE_SPID_LABEL, IDC_VOICE_SPID, IDC_VOICE_DN_LABEL,
                                  IDC_VOICE_DN};
constexpr int kVoiceParams[] = {IDC_VOICE_SPID, IDC_VOICE_DN};

const NumbersChannel kChannels[] = {
    {&CNetworkCfgPage1::m_strDataTEI,  kDataControls,  kDataParams},
    {&CNetworkCfgPage1::m_strVoiceTEI, kVoiceControls, kVoiceParams},
};
// clang-format on

// The MSN page's numbers: one numbering scheme is sent at a time.
constexpr int kMsnParams[] = {IDC_DATA_MSN, IDC_DATA_MSN2, IDC_VOICE_MSN};
// Models 7, 8 and 9 have no second data directory number.
constexpr int kSecondDataNumber[] = {IDC_DATA_DN2};
} // namespace

CNetworkCfgPage2US::CNetworkCfgPage2US() : CCfgPage(IDD, kStaticTexts) {}

BOOL CNetworkCfgPage2US::OnInitDialog()
{
    ShowDlgItems(*this, kSecondDataNumber, !IsZandiZobraOrPellorAdapter());
    return CCfgPage::OnInitDialog();
}

BOOL CNetworkCfgPage2US::OnSetActive()
{
    SwitchNumbersChannels(kMsnParams, kChannels, IDC_DATA_DN2);
    return CCfgPage::OnSetActive();
}

LRESULT CNetworkCfgPage2US::OnWizardNext()
{
    m_bForward = 1;
    if (Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_dataProtocolPage);
    return JumpTo(Sheet().m_callCtrlCfgPage);
}

LRESULT CNetworkCfgPage2US::OnWizardBack()
{
    m_bForward = 0;
    if (!Sheet().m_bExpressSetup)
        return 0;
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_iniSectionPage);
    return JumpTo(Sheet().m_bandwidthPage);
}

void CNetworkCfgPage2US::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    for (const NumberField& field : kNumberFields)
    {
        std::string& value = this->*field.value;
        DDX_Text(pDX, field.controlId, value);
        // A greyed field belongs to a channel that is not sent: it keeps whatever it holds.
        if (!IsDlgItemEnabled(*this, field.controlId))
            continue;
        DDV_MaxChars(pDX, value, CatalogueMaxLength(field.controlId));
        value = std::string(platform::TrimBlanks(value));
        if (field.requiredAs != nullptr)
            RequireText(pDX, value, field.requiredAs, m_bForward);
        theParams.ValidateParam(pDX, field.controlId);
    }
}
