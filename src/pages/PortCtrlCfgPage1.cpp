#include "src/pages/PortCtrlCfgPage1.h"

#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kDtrCombo = 1022;
constexpr int kDsrCombo = 1023;
constexpr int kCtsCombo = 1024;
constexpr int kDcdCombo = 1025;
constexpr int kDtrDetectEdit = 1026;
constexpr int kDcdDropEdit = 1027;
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
    {1109, 1413, &CPortCtrlCfgPage1::m_strIntro},
    {1112, 1414, &CPortCtrlCfgPage1::m_strDTRDetectLabel},
    {1114, 1416, &CPortCtrlCfgPage1::m_strDTRLabel},
    {1115, 1417, &CPortCtrlCfgPage1::m_strDSRLabel},
    {1113, 1415, &CPortCtrlCfgPage1::m_strDCDDropLabel},
    {1117, 1419, &CPortCtrlCfgPage1::m_strDCDLabel},
    {1116, 1418, &CPortCtrlCfgPage1::m_strCTSLabel},
};

// In the order the lists are filled.
constexpr SignalList kSignalLists[] = {
    {kDtrCombo, kDtrChoices, &CPortCtrlCfgPage1::m_strDTR},
    {kDsrCombo, kDsrChoices, &CPortCtrlCfgPage1::m_strDSR},
    {kCtsCombo, kCtsChoices, &CPortCtrlCfgPage1::m_strCTS},
    {kDcdCombo, kDcdChoices, &CPortCtrlCfgPage1::m_strDCD},
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
ON_CONTROL_RANGE(CBN_SELCHANGE, kDtrCombo, kDcdCombo, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kDtrDetectEdit, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kDcdDropEdit, &CCfgPage::OnSettingChanged)
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

    DDX_Text(pDX, kDtrDetectEdit, m_nDTRDetectTime);
    LimitEdit(*this, kDtrDetectEdit, kTimeEditLimit);
    theParams.ValidateParam(pDX, kDtrDetectEdit);

    DDX_Text(pDX, kDcdDropEdit, m_nDCDDropTime);
    LimitEdit(*this, kDcdDropEdit, kTimeEditLimit);
    theParams.ValidateParam(pDX, kDcdDropEdit);
}
