#include "src/pages/POTSPortPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"
#include "src/profile/ProfileFile.h"

namespace
{
constexpr int kRingFrequencyCombo = 1171;
constexpr int kDialToneCombo = 1172;
constexpr int kPulseCombo = 1173;
constexpr int kGainEdit = 1174;
constexpr int kSuppressionCombo = 1175;
constexpr int kRingSignalCombo = 1176;
constexpr UINT kEnblocText = 1231;
constexpr UINT kCentralOfficeDialToneText = 1484;

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
    {1170, 1519, &CPOTSPortPage::m_strRingSignalLabel},
    {1168, 1518, &CPOTSPortPage::m_strGainLabel},
    {1169, 1517, &CPOTSPortPage::m_strSuppressionLabel},
    {1166, 1516, &CPOTSPortPage::m_strDialToneLabel},
    {1165, 1515, &CPOTSPortPage::m_strRingFreqLabel},
    {1167, 1520, &CPOTSPortPage::m_strPulseLabel},
};

// The lists whose choices never change, in the order they are filled; the boxes sort them.
constexpr PortList kFixedLists[] = {
    {kPulseCombo,         kPulseRecognitionChoices, &CPOTSPortPage::m_strPulseRecognition},
    {kRingSignalCombo,    kRingSignalChoices,       &CPOTSPortPage::m_strRingSignal},
    {kSuppressionCombo,   kSuppressionChoices,      &CPOTSPortPage::m_strSuppression},
    {kRingFrequencyCombo, kRingFrequencyChoices,    &CPOTSPortPage::m_strRingFrequency},
};
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CPOTSPortPage, CCfgPage)
ON_CBN_SELCHANGE(kRingFrequencyCombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kDialToneCombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kPulseCombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kSuppressionCombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kRingSignalCombo, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kGainEdit, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CPOTSPortPage::CPOTSPortPage() : CCfgPage(IDD) {}

bool CPOTSPortPage::IsEnblocDialing() const
{
    return m_pSheet != nullptr &&
           m_pSheet->m_callCtrlCfgPage.m_strDialingMethod == AfxLoadString(kEnblocText);
}

BOOL CPOTSPortPage::OnInitDialog()
{
    for (const Label& label : kLabels)
        this->*label.text = AfxLoadString(label.textId);
    for (const PortList& list : kFixedLists)
        FillCombo(list.comboId, list.choices);
    FillCombo(kDialToneCombo, IsEnblocDialing() ? kEnblocDialToneChoices : kDialToneChoices);
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
    DDX_Text(pDX, kGainEdit, m_nDialToneGain);
    // A gain outside its range would be saved and sent, the adapter would refuse the line, and
    // the next load would replace it with its default.
    theParams.ValidateParam(pDX, kGainEdit);
    for (const PortList& list : kFixedLists)
        DDX_CBString(pDX, list.comboId, this->*list.text);
    DDX_CBString(pDX, kDialToneCombo, m_strDialTone);

    if (IsEnblocDialing() && m_strDialTone == AfxLoadString(kCentralOfficeDialToneText))
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
