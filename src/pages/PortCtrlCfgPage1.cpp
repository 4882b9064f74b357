#include "src/pages/PortCtrlCfgPage1.h"

#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kTimeEditLimit = 5;

// A static of the page, the string it shows and the member that holds it.
struct Label
{
    int staticId;
    UINT textId;
    std::string CPortCtrlCfgPage1::*text;
};

// A signal's combo box, the choices it offers in display order and the member that holds the
// chosen text.
struct SignalList
{
    int comboId;
    const ChoiceEntry* choices;
    std::string CPortCtrlCfgPage1::*text;
};

// clang-format off
constexpr Label kLabels[] = {
    {IDC_SIGNALS_INTRO, IDS_SIGNALS_INTRO, &CPortCtrlCfgPage1::m_strIntro},
    {IDC_DTR_DETECT_LABEL, IDS_DTR_DETECT_LABEL, &CPortCtrlCfgPage1::m_strDTRDetectLabel},
    {IDC_DTR_LABEL, IDS_DTR_LABEL, &CPortCtrlCfgPage1::m_strDTRLabel},
    {IDC_DSR_LABEL, IDS_DSR_LABEL, &CPortCtrlCfgPage1::m_strDSRLabel},
    {IDC_DCD_DROP_LABEL, IDS_DCD_DROP_LABEL, &CPortCtrlCfgPage1::m_strDCDDropLabel},
    {IDC_DCD_LABEL, IDS_DCD_LABEL, &CPortCtrlCfgPage1::m_strDCDLabel},
    {IDC_CTS_LABEL, IDS_CTS_LABEL, &CPortCtrlCfgPage1::m_strCTSLabel},
};

// In the order the lists are filled.
constexpr SignalList kSignalLists[] = {
    {IDC_DTR_SIGNAL, kDtrChoices, &CPortCtrlCfgPage1::m_strDTR},
    {IDC_DSR_SIGNAL, kDsrChoices, &CPortCtrlCfgPage1::m_strDSR},
    {IDC_CTS_SIGNAL, kCtsChoices, &CPortCtrlCfgPage1::m_strCTS},
    {IDC_DCD_SIGNAL, kDcdChoices, &CPortCtrlCfgPage1::m_strDCD},
};
// clang-format on

// The edit `id` of `page` takes at most `chars` characters.
void LimitEdit(const CWnd& page, int id, int chars)
{
    if (auto* edit = dynamic_cast<CEdit*>(page.GetDlgItem(id)))
        edit->LimitText(chars);
}
} // namespace

BEGIN_MESSAGE_MAP(CPortCtrlCfgPage1, CCfgPage)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DTR_SIGNAL, IDC_DCD_SIGNAL, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DTR_DETECT_TIME, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_DCD_DROP_TIME, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CPortCtrlCfgPage1::CPortCtrlCfgPage1() : CCfgPage(IDD) {}

BOOL CPortCtrlCfgPage1::OnInitDialog()
{
    for (const Label& label : kLabels)
        this->*label.text = AfxLoadString(label.textId);
    for (const SignalList& list : kSignalLists)
        FillCombo(list.comboId, list.choices);
    return CCfgPage::OnInitDialog();
}

BOOL CPortCtrlCfgPage1::OnSetActive()
{
    return ActivateSettingsPage();
}

void CPortCtrlCfgPage1::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    for (const SignalList& list : kSignalLists)
        DDX_CBString(pDX, list.comboId, this->*list.text);
    for (const Label& label : kLabels)
        DDX_Text(pDX, label.staticId, this->*label.text);

    DDX_Text(pDX, IDC_DTR_DETECT_TIME, m_nDTRDetectTime);
    LimitEdit(*this, IDC_DTR_DETECT_TIME, kTimeEditLimit);
    theParams.ValidateParam(pDX, IDC_DTR_DETECT_TIME);

    DDX_Text(pDX, IDC_DCD_DROP_TIME, m_nDCDDropTime);
    LimitEdit(*this, IDC_DCD_DROP_TIME, kTimeEditLimit);
    theParams.ValidateParam(pDX, IDC_DCD_DROP_TIME);
}
