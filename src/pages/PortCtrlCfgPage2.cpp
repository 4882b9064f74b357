#include "src/pages/PortCtrlCfgPage2.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kSyncModeCombo = 1028;
constexpr int kFlowControlCombo = 1033;

// A static of the page, the string it shows and the member that holds it.
struct Label
{
    int staticId;
    UINT textId;
    std::string CPortCtrlCfgPage2::*text;
};

// A combo box of the page, the choices it offers in display order and the member that holds
// the chosen text.
struct FormatList
{
    int comboId;
    const ChoiceEntry* choices;
    std::string CPortCtrlCfgPage2::*text;
};

// clang-format off
constexpr Label kLabels[] = {
    {1123, 1422, &CPortCtrlCfgPage2::m_strBitRateLabel},
    {1124, 1423, &CPortCtrlCfgPage2::m_strDataBitsLabel},
    {1126, 1425, &CPortCtrlCfgPage2::m_strFlowControlLabel},
    {1122, 1421, &CPortCtrlCfgPage2::m_strParityLabel},
    {1118, 1420, &CPortCtrlCfgPage2::m_strIntro},
    {1125, 1424, &CPortCtrlCfgPage2::m_strStopBitsLabel},
    {1127, 1426, &CPortCtrlCfgPage2::m_strSyncModeLabel},
};

// In the order the lists are filled.
constexpr FormatList kFormatLists[] = {
    {kSyncModeCombo,    kSyncModeChoices,    &CPortCtrlCfgPage2::m_strSyncMode},
    {1029,              kParityChoices,      &CPortCtrlCfgPage2::m_strParity},
    {1030,              kBitRateChoices,     &CPortCtrlCfgPage2::m_strBitRate},
    {kFlowControlCombo, kFlowControlChoices, &CPortCtrlCfgPage2::m_strFlowControl},
    {1031,              kDataBitsChoices,    &CPortCtrlCfgPage2::m_strDataBits},
    {1032,              kStopBitsChoices,    &CPortCtrlCfgPage2::m_strStopBits},
};
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CPortCtrlCfgPage2, CCfgPage)
ON_CONTROL_RANGE(CBN_SELCHANGE, kSyncModeCombo, kFlowControlCombo, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CPortCtrlCfgPage2::CPortCtrlCfgPage2() : CCfgPage(IDD) {}

BOOL CPortCtrlCfgPage2::OnInitDialog()
{
    for (const Label& label : kLabels)
        this->*label.text = AfxLoadString(label.textId);
    for (const FormatList& list : kFormatLists)
        FillCombo(list.comboId, list.choices);
    return CCfgPage::OnInitDialog();
}

BOOL CPortCtrlCfgPage2::OnSetActive()
{
    return ActivateSettingsPage();
}

void CPortCtrlCfgPage2::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    for (const FormatList& list : kFormatLists)
        DDX_CBString(pDX, list.comboId, this->*list.text);
    for (const Label& label : kLabels)
        DDX_Text(pDX, label.staticId, this->*label.text);
}

LRESULT CPortCtrlCfgPage2::OnWizardNext()
{
    if (m_pSheet != nullptr && IsZandiZobraOrPellorAdapter())
        return JumpTo(m_pSheet->m_saveCfgPage);
    return 0;
}
