#include "src/pages/POTSPortPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"
#include "src/profile/ProfileFile.h"

namespace
{
using Page = CPOTSPortPage;

// This message has no entry in the string table; its text is the page's own.
constexpr const char* kEnblocRuleMessage =
    "Use Central Office Dial Tone is not allowed with En-bloc sending";

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_RING_SIGNAL_LABEL,           IDS_RING_SIGNAL_LABEL,           TextOf<&Page::m_strRingSignalLabel>()},
    {IDC_DIAL_TONE_GAIN_LABEL,        IDS_DIAL_TONE_GAIN_LABEL,        TextOf<&Page::m_strGainLabel>()},
    {IDC_DIAL_TONE_SUPPRESSION_LABEL, IDS_DIAL_TONE_SUPPRESSION_LABEL, TextOf<&Page::m_strSuppressionLabel>()},
    {IDC_DIAL_TONE_LABEL,             IDS_DIAL_TONE_LABEL,             TextOf<&Page::m_strDialToneLabel>()},
    {IDC_RING_FREQUENCY_LABEL,        IDS_RING_FREQUENCY_LABEL,        TextOf<&Page::m_strRingFreqLabel>()},
    {IDC_PULSE_RECOGNITION_LABEL,     IDS_PULSE_RECOGNITION_LABEL,     TextOf<&Page::m_strPulseLabel>()},
};

// The lists whose choices never change, in the order they are filled; the boxes sort them.
constexpr ChoiceList kFixedLists[] = {
    {IDC_PULSE_RECOGNITION,     kPulseRecognitionChoices, TextOf<&Page::m_strPulseRecognition>()},
    {IDC_RING_SIGNAL,           kRingSignalChoices,       TextOf<&Page::m_strRingSignal>()},
    {IDC_DIAL_TONE_SUPPRESSION, kSuppressionChoices,      TextOf<&Page::m_strSuppression>()},
    {IDC_RING_FREQUENCY,        kRingFrequencyChoices,    TextOf<&Page::m_strRingFrequency>()},
};
// clang-format on
} // namespace

CPOTSPortPage::CPOTSPortPage() : CCfgPage(IDD, kStaticTexts) {}

bool CPOTSPortPage::IsEnblocDialing() const
{
    return Sheet().m_callCtrlCfgPage.m_strDialingMethod == AfxLoadString(IDS_ENBLOC);
}

BOOL CPOTSPortPage::OnInitDialog()
{
    FillChoiceLists(kFixedLists);
    FillCombo(IDC_DIAL_TONE, IsEnblocDialing() ? kEnblocDialToneChoices : kDialToneChoices);
    // The base initialisation is the one move of the members to the filled controls: a second
    // one would show a failing En-bloc rule twice.
    return CCfgPage::OnInitDialog();
}

void CPOTSPortPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DIAL_TONE_GAIN, m_nDialToneGain);
    // A gain outside its range would be saved and sent, the adapter would refuse the line, and
    // the next load would replace it with its default.
    theParams.ValidateParam(pDX, IDC_DIAL_TONE_GAIN);
    ExchangeChoiceLists(pDX, kFixedLists);
    DDX_CBString(pDX, IDC_DIAL_TONE, m_strDialTone);

    if (IsEnblocDialing() && m_strDialTone == AfxLoadString(IDS_CENTRAL_OFFICE_DIAL_TONE))
    {
        AfxMessageBox(kEnblocRuleMessage, MB_OK);
        pDX->Fail();
    }
}

LRESULT CPOTSPortPage::OnWizardNext()
{
    if (!g_bCfgModified)
        return JumpTo(Sheet().m_loadCfgPage);
    return 0;
}
