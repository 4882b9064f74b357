#include "src/pages/NetworkCfgPage2Europe.h"

#include "platform/TextRules.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"

namespace
{
using Page = CNetworkCfgPage2Europe;

// The statics' texts: models 7, 8 and 9 label the fields by position.

// clang-format off
constexpr ModelText<Page> kStaticTexts[] = {
    {&Page::m_strIntro,            IDS_MSN_POSITIONAL_INTRO, nullptr,              IDS_MSN_INTRO},
    {&Page::m_strDataNumberLabel,  0,    "MSN Number 1:",      IDS_DATA_MSN_LABEL},
    {&Page::m_strDataSubLabel,     0,    "MSN Sub Address 1:", IDS_DATA_SUB_LABEL},
    {&Page::m_strVoiceNumberLabel, 0,    "MSN Number 2:",      IDS_VOICE_MSN_LABEL},
    {&Page::m_strVoiceSubLabel,    0,    "MSN Sub Address 2:", IDS_VOICE_SUB_LABEL},
    {&Page::m_strDataNumber2Label, 0,    "",                   IDS_DATA_MSN2_LABEL},
    {&Page::m_strDataSub2Label,    0,    "",                   IDS_DATA_SUB2_LABEL},
    {&Page::m_strNote,             0,    "",                   IDS_MSN_NOTE},
};

// Each stored value and the two fields it is edited in; its catalogue parameter is found by the
// number's control.
struct NumberPair
{
    std::string Page::*stored;
    int numberId;
    std::string Page::*number;
    int subAddressId;
    std::string Page::*subAddress;
};

constexpr NumberPair kPairs[] = {
    {&Page::m_strDataMSN,  IDC_DATA_MSN, &Page::m_strDataNumber,  IDC_DATA_SUB, &Page::m_strDataSub},
    {&Page::m_strDataMSN2, IDC_DATA_MSN2, &Page::m_strDataNumber2, IDC_DATA_SUB2, &Page::m_strDataSub2},
    {&Page::m_strVoiceMSN, IDC_VOICE_MSN, &Page::m_strVoiceNumber, IDC_VOICE_SUB, &Page::m_strVoiceSub},
};

// Each channel's fields (labels included) and the parameters they send, switched by its TEI.
constexpr int kDataControls[] = {IDC_DATA_MSN_LABEL, IDC_DATA_SUB_LABEL, IDC_DATA_MSN, IDC_DATA_SUB, IDC_DATA_MSN2_LABEL, IDC_DATA_SUB2_LABEL, IDC_DATA_MSN2, IDC_DATA_SUB2};
constexpr int kDataParams[] = {IDC_DATA_MSN, IDC_DATA_MSN2};
constexpr int kVoiceControls[] = {IDC_VOICE_MSN_LABEL, IDC_VOICE_SUB_LABEL, IDC_VOICE_MSN, IDC_VOICE_SUB};
constexpr int kVoiceParams[] = {IDC_VOICE_MSN};

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

// The SPID page's numbers: one numbering scheme is sent at a time.
constexpr int kSpidPageParams[] = {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2,
                                   IDC_VOICE_DN};
constexpr int kMaxChars = 25;    // the maximum length of DataMSN
constexpr int kPellorSModel = 9; // takes no sub-addresses
} // namespace

void SplitNumberSubAddress(const std::string& stored, std::string& number, std::string& subAddress)
{
    if (stored.empty())
        return;
    const size_t colon = stored.find(':');
    // A colon in first place leaves the whole value, colon included, as the number.
    if (colon == std::string::npos || colon == 0)
    {
        number = stored;
        subAddress.clear();
        return;
    }
    number = stored.substr(0, colon);
    subAddress = stored.substr(colon + 1);
}

std::string JoinNumberSubAddress(const std::string& number, const std::string& subAddress)
{
    if (number.empty())
        return std::string();
    if (subAddress.empty())
        return number;
    return number + ":" + subAddress;
}

BEGIN_MESSAGE_MAP(CNetworkCfgPage2Europe, CCfgPage)
ON_EN_CHANGE(IDC_DATA_MSN, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_VOICE_MSN, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_SUB, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_VOICE_SUB, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_MSN2, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_SUB2, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkCfgPage2Europe::CNetworkCfgPage2Europe() : CCfgPage(IDD) {}

BOOL CNetworkCfgPage2Europe::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    if (m_pSheet != nullptr)
    {
        const bool positional = IsZandiZobraOrPellorAdapter();
        SetModelTexts(*this, kStaticTexts, positional);
        m_editDataNumber2.ShowWindow(positional ? SW_HIDE : SW_SHOW);
        m_editDataSub2.ShowWindow(positional ? SW_HIDE : SW_SHOW);
        SplitStoredValues();
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CNetworkCfgPage2Europe::OnSetActive()
{
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    for (int id : kSpidPageParams)
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
        // Another configuration may have been loaded since the fields were last filled; what
        // the user typed here was joined into the stored values when the page was left.
        SplitStoredValues();
    }
    if (IsZandiZobraOrPellorAdapter())
        EnableParam(IDC_DATA_MSN2, FALSE);
    // Moves the fields just split into the controls (from the second activation on; the first
    // one's were moved by OnInitDialog).
    return CCfgPage::OnSetActive();
}

LRESULT CNetworkCfgPage2Europe::OnWizardNext()
{
    m_bForward = 1;
    if (m_pSheet != nullptr && m_pSheet->m_bExpressSetup)
        return JumpTo(m_pSheet->m_dataProtocolPage);
    return 0;
}

LRESULT CNetworkCfgPage2Europe::OnWizardBack()
{
    m_bForward = 0;
    if (m_pSheet == nullptr)
        return 0;
    if (!m_pSheet->m_bExpressSetup)
        return JumpTo(m_pSheet->m_networkCfgPage1);
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(m_pSheet->m_iniSectionPage);
    return JumpTo(m_pSheet->m_bandwidthPage);
}

void CNetworkCfgPage2Europe::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    if (m_pSheet == nullptr)
        return;
    DDX_Control(pDX, IDC_DATA_SUB2, m_editDataSub2);
    DDX_Control(pDX, IDC_DATA_MSN2, m_editDataNumber2);
    DDX_Text(pDX, IDC_MSN_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_DATA_SUB_LABEL, m_strDataSubLabel);
    DDX_Text(pDX, IDC_VOICE_MSN_LABEL, m_strVoiceNumberLabel);
    DDX_Text(pDX, IDC_DATA_MSN_LABEL, m_strDataNumberLabel);
    DDX_Text(pDX, IDC_VOICE_SUB_LABEL, m_strVoiceSubLabel);
    DDX_Text(pDX, IDC_DATA_MSN2_LABEL, m_strDataNumber2Label);
    DDX_Text(pDX, IDC_DATA_SUB2_LABEL, m_strDataSub2Label);
    DDX_Text(pDX, IDC_MSN_NOTE, m_strNote);

    // The numbers first, then the sub-addresses: a too long number is reported before a too
    // long sub-address.
    for (const NumberPair& pair : kPairs)
        ExchangeField(pDX, pair.numberId, this->*pair.number);
    for (const NumberPair& pair : kPairs)
        ExchangeField(pDX, pair.subAddressId, this->*pair.subAddress);
    if (!pDX->m_bSaveAndValidate)
        return;

    const bool keepsSubAddresses = theApp.m_device.modelCode != kPellorSModel;
    for (const NumberPair& pair : kPairs)
    {
        this->*pair.stored = keepsSubAddresses
                                 ? JoinNumberSubAddress(this->*pair.number, this->*pair.subAddress)
                                 : this->*pair.number;
    }
    // The sub-addresses have no check of their own: their characters are checked as part of
    // the stored value, and so is the length of the pair joined.
    for (const NumberPair& pair : kPairs)
    {
        if (!IsDlgItemEnabled(*this, pair.numberId))
            continue;
        pDX->PrepareEditCtrl(pair.numberId);
        theParams.ValidateParam(pDX, pair.numberId);
    }
}

void CNetworkCfgPage2Europe::ExchangeField(CDataExchange* pDX, int controlId, std::string& value)
{
    DDX_Text(pDX, controlId, value);
    // A greyed field belongs to a channel that is not sent: it keeps whatever it holds.
    if (!IsDlgItemEnabled(*this, controlId))
        return;
    DDV_MaxChars(pDX, value, kMaxChars);
    value = std::string(platform::TrimBlanks(value));
}

void CNetworkCfgPage2Europe::SplitStoredValues()
{
    for (const NumberPair& pair : kPairs)
    {
        std::string& number = this->*pair.number;
        std::string& subAddress = this->*pair.subAddress;
        // Unlike the split itself, a value that is empty now empties its fields: they would
        // otherwise show the numbers of an earlier configuration.
        if ((this->*pair.stored).empty())
        {
            number.clear();
            subAddress.clear();
        }
        SplitNumberSubAddress(this->*pair.stored, number, subAddress);
    }
}
