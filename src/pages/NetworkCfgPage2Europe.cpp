#include "src/pages/NetworkCfgPage2Europe.h"

#include "platform/TextRules.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/res/StringTable.h"

namespace
{
using Page = CNetworkCfgPage2Europe;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_MSN_INTRO,       IDS_MSN_INTRO,       TextOf<&Page::m_strIntro>(),
                                               StringText(IDS_MSN_POSITIONAL_INTRO)},
    {IDC_DATA_MSN_LABEL,  IDS_DATA_MSN_LABEL,  TextOf<&Page::m_strDataNumberLabel>(),  "MSN Number 1:"},
    {IDC_DATA_SUB_LABEL,  IDS_DATA_SUB_LABEL,  TextOf<&Page::m_strDataSubLabel>(),     "MSN Sub Address 1:"},
    {IDC_VOICE_MSN_LABEL, IDS_VOICE_MSN_LABEL, TextOf<&Page::m_strVoiceNumberLabel>(), "MSN Number 2:"},
    {IDC_VOICE_SUB_LABEL, IDS_VOICE_SUB_LABEL, TextOf<&Page::m_strVoiceSubLabel>(),    "MSN Sub Address 2:"},
    {IDC_DATA_MSN2_LABEL, IDS_DATA_MSN2_LABEL, TextOf<&Page::m_strDataNumber2Label>(), ""},
    {IDC_DATA_SUB2_LABEL, IDS_DATA_SUB2_LABEL, TextOf<&Page::m_strDataSub2Label>(),    ""},
    {IDC_MSN_NOTE,        IDS_MSN_NOTE,        TextOf<&Page::m_strNote>(),             ""},
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
    {&Page::m_strDataMSN,  IDC_DATA_MSN,  &Page::m_strDataNumber,  IDC_DATA_SUB,  &Page::m_strDataSub},
    {&Page::m_strDataMSN2, IDC_DATA_MSN2, &Page::m_strDataNumber2, IDC_DATA_SUB2, &Page::m_strDataSub2},
    {&Page::m_strVoiceMSN, IDC_VOICE_MSN, &Page::m_strVoiceNumber, IDC_VOICE_SUB, &Page::m_strVoiceSub},
};

// Each channel's fields (labels included) and the parameters they send, switched by its TEI.
constexpr int kDataControls[] = {IDC_DATA_MSN_LABEL,  IDC_DATA_SUB_LABEL,  IDC_DATA_MSN,  IDC_DATA_SUB,
                                 IDC_DATA_MSN2_LABEL, IDC_DATA_SUB2_LABEL, IDC_DATA_MSN2, IDC_DATA_SUB2};
constexpr int kDataParams[] = {IDC_DATA_MSN, IDC_DATA_MSN2};
constexpr int kVoiceControls[] = {IDC_VOICE_MSN_LABEL, IDC_VOICE_SUB_LABEL, IDC_VOICE_MSN, IDC_VOICE_SUB};
constexpr int kVoiceParams[] = {IDC_VOICE_MSN};

const NumbersChannel kChannels[] = {
    {&CNetworkCfgPage1::m_strDataTEI,  kDataControls,  kDataParams},
    {&CNetworkCfgPage1::m_strVoiceTEI, kVoiceControls, kVoiceParams},
};
// clang-format on

// The SPID page's numbers: one numbering scheme is sent at a time.
constexpr int kSpidPageParams[] = {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2,
                                   IDC_VOICE_DN};
// Models 7, 8 and 9 have no second data number.
constexpr int kSecondDataNumber[] = {IDC_DATA_MSN2, IDC_DATA_SUB2};
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

// The sub-addresses edit parts of their numbers' parameters.
BEGIN_MESSAGE_MAP(CNetworkCfgPage2Europe, CCfgPage)
ON_EN_CHANGE(IDC_DATA_SUB, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_VOICE_SUB, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DATA_SUB2, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CNetworkCfgPage2Europe::CNetworkCfgPage2Europe() : CCfgPage(IDD, kStaticTexts) {}

BOOL CNetworkCfgPage2Europe::OnInitDialog()
{
    ShowDlgItems(*this, kSecondDataNumber, !IsZandiZobraOrPellorAdapter());
    SplitStoredValues();
    return CCfgPage::OnInitDialog();
}

BOOL CNetworkCfgPage2Europe::OnSetActive()
{
    SwitchNumbersChannels(kSpidPageParams, kChannels, IDC_DATA_MSN2);
    // Another configuration may have been loaded since the fields were last filled; what the
    // user typed here was joined into the stored values when the page was left.
    SplitStoredValues();
    // Moves the fields just split into the controls (from the second activation on; the first
    // one's were moved by OnInitDialog).
    return CCfgPage::OnSetActive();
}

LRESULT CNetworkCfgPage2Europe::OnWizardNext()
{
    m_bForward = 1;
    if (Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_dataProtocolPage);
    return 0;
}

LRESULT CNetworkCfgPage2Europe::OnWizardBack()
{
    m_bForward = 0;
    if (!Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_networkCfgPage1);
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_iniSectionPage);
    return JumpTo(Sheet().m_bandwidthPage);
}

void CNetworkCfgPage2Europe::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    // The numbers first, then the sub-addresses: a too long number is reported before a too
    // long sub-address. A sub-address takes as many characters as its number.
    for (const NumberPair& pair : kPairs)
        ExchangeField(pDX, pair.numberId, this->*pair.number, CatalogueMaxLength(pair.numberId));
    for (const NumberPair& pair : kPairs)
    {
        ExchangeField(pDX, pair.subAddressId, this->*pair.subAddress,
                      CatalogueMaxLength(pair.numberId));
    }
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

void CNetworkCfgPage2Europe::ExchangeField(CDataExchange* pDX, int controlId, std::string& value,
                                           int maxChars)
{
    DDX_Text(pDX, controlId, value);
    // A greyed field belongs to a channel that is not sent: it keeps whatever it holds.
    if (!IsDlgItemEnabled(*this, controlId))
        return;
    DDV_MaxChars(pDX, value, maxChars);
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
