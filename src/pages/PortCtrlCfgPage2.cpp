#include "src/pages/PortCtrlCfgPage2.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
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
    {IDC_BIT_RATE_LABEL, IDS_BIT_RATE_LABEL, &CPortCtrlCfgPage2::m_strBitRateLabel},
    {IDC_DATA_BITS_LABEL, IDS_DATA_BITS_LABEL, &CPortCtrlCfgPage2::m_strDataBitsLabel},
    {IDC_FLOW_CONTROL_LABEL, IDS_FLOW_CONTROL_LABEL, &CPortCtrlCfgPage2::m_strFlowControlLabel},
    {IDC_PARITY_LABEL, IDS_PARITY_LABEL, &CPortCtrlCfgPage2::m_strParityLabel},
    {IDC_FORMAT_INTRO, IDS_FORMAT_INTRO, &CPortCtrlCfgPage2::m_strIntro},
    {IDC_STOP_BITS_LABEL, IDS_STOP_BITS_LABEL, &CPortCtrlCfgPage2::m_strStopBitsLabel},
    {IDC_SYNC_MODE_LABEL, IDS_SYNC_MODE_LABEL, &CPortCtrlCfgPage2::m_strSyncModeLabel},
};

// In the order the lists are filled.
constexpr FormatList kFormatLists[] = {
    {IDC_SYNC_MODE,    kSyncModeChoices,    &CPortCtrlCfgPage2::m_strSyncMode},
    {IDC_PARITY,              kParityChoices,      &CPortCtrlCfgPage2::m_strParity},
    {IDC_BIT_RATE,              kBitRateChoices,     &CPortCtrlCfgPage2::m_strBitRate},
    {IDC_FLOW_CONTROL, kFlowControlChoices, &CPortCtrlCfgPage2::m_strFlowControl},
    {IDC_DATA_BITS,              kDataBitsChoices,    &CPortCtrlCfgPage2::m_strDataBits},
    {IDC_STOP_BITS,              kStopBitsChoices,    &CPortCtrlCfgPage2::m_strStopBits},
};
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CPortCtrlCfgPage2, CCfgPage)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_SYNC_MODE, IDC_FLOW_CONTROL, &CCfgPage::OnSettingChanged)
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
