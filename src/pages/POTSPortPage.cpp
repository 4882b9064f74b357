#include "src/pages/POTSPortPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"
#include "src/profile/ProfileFile.h"

namespace
{
// This message has no entry in the string table; its text is the page's own.
constexpr const char* kEnblocRuleMessage =
    "Use Central Office Dial Tone is not allowed with En-bloc sending";

// A static of the page, the string it shows and the member that holds it.
struct Label
{
    int staticId;
    UINT textId;
    std::string CPOTSPortPage::*text;
};

// A combo box of the page, the choices it offers and the member that holds the chosen text.
struct PortList
{
    int comboId;
    const ChoiceEntry* choices;
    std::string CPOTSPortPage::*text;
};

// clang-format off
constexpr Label kLabels[] = {
    {IDC_RING_SIGNAL_LABEL, IDS_RING_SIGNAL_LABEL, &CPOTSPortPage::m_strRingSignalLabel},
    {IDC_DIAL_TONE_GAIN_LABEL, IDS_DIAL_TONE_GAIN_LABEL, &CPOTSPortPage::m_strGainLabel},
    {IDC_DIAL_TONE_SUPPRESSION_LABEL, IDS_DIAL_TONE_SUPPRESSION_LABEL, &CPOTSPortPage::m_strSuppressionLabel},
    {IDC_DIAL_TONE_LABEL, IDS_DIAL_TONE_LABEL, &CPOTSPortPage::m_strDialToneLabel},
    {IDC_RING_FREQUENCY_LABEL, IDS_RING_FREQUENCY_LABEL, &CPOTSPortPage::m_strRingFreqLabel},
    {IDC_PULSE_RECOGNITION_LABEL, IDS_PULSE_RECOGNITION_LABEL, &CPOTSPortPage::m_strPulseLabel},
};

// The lists whose choices never change, in the order they are filled; the boxes sort them.
constexpr PortList kFixedLists[] = {
    {IDC_PULSE_RECOGNITION,         kPulseRecognitionChoices, &CPOTSPortPage::m_strPulseRecognition},
    {IDC_RING_SIGNAL,    kRingSignalChoices,       &CPOTSPortPage::m_strRingSignal},
    {IDC_DIAL_TONE_SUPPRESSION,   kSuppressionChoices,      &CPOTSPortPage::m_strSuppression},
    {IDC_RING_FREQUENCY, kRingFrequencyChoices,    &CPOTSPortPage::m_strRingFrequency},
};
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CPOTSPortPage, CCfgPage)
ON_CBN_SELCHANGE(IDC_RING_FREQUENCY, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_DIAL_TONE, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_PULSE_RECOGNITION, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_DIAL_TONE_SUPPRESSION, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_RING_SIGNAL, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DIAL_TONE_GAIN, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CPOTSPortPage::CPOTSPortPage() : CCfgPage(IDD) {}

bool CPOTSPortPage::IsEnblocDialing() const
{
    return m_pSheet != nullptr &&
           m_pSheet->m_callCtrlCfgPage.m_strDialingMethod == AfxLoadString(IDS_ENBLOC);
}

BOOL CPOTSPortPage::OnInitDialog()
{
    for (const Label& label : kLabels)
        this->*label.text = AfxLoadString(label.textId);
    for (const PortList& list : kFixedLists)
        FillCombo(list.comboId, list.choices);
    FillCombo(IDC_DIAL_TONE, IsEnblocDialing() ? kEnblocDialToneChoices : kDialToneChoices);
    // The base initialisation is the one move of the members to the filled controls: a second
    // one would show a failing En-bloc rule twice.
    return CCfgPage::OnInitDialog();
}

BOOL CPOTSPortPage::OnSetActive()
{
    return ActivateSettingsPage();
}

void CPOTSPortPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    for (const Label& label : kLabels)
        DDX_Text(pDX, label.staticId, this->*label.text);
    DDX_Text(pDX, IDC_DIAL_TONE_GAIN, m_nDialToneGain);
    // A gain outside its range would be saved and sent, the adapter would refuse the line, and
    // the next load would replace it with its default.
    theParams.ValidateParam(pDX, IDC_DIAL_TONE_GAIN);
    for (const PortList& list : kFixedLists)
        DDX_CBString(pDX, list.comboId, this->*list.text);
    DDX_CBString(pDX, IDC_DIAL_TONE, m_strDialTone);

    if (IsEnblocDialing() && m_strDialTone == AfxLoadString(IDS_CENTRAL_OFFICE_DIAL_TONE))
    {
        AfxMessageBox(kEnblocRuleMessage, MB_OK);
        pDX->Fail();
    }
}

LRESULT CPOTSPortPage::OnWizardNext()
{
    if (m_pSheet != nullptr && !g_bCfgModified)
        return JumpTo(m_pSheet->m_loadCfgPage);
    return 0;
}
