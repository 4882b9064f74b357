#include "src/pages/PortCtrlCfgPage2.h"

#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"

namespace
{
using Page = CPortCtrlCfgPage2;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_BIT_RATE_LABEL,     IDS_BIT_RATE_LABEL,     TextOf<&Page::m_strBitRateLabel>()},
    {IDC_DATA_BITS_LABEL,    IDS_DATA_BITS_LABEL,    TextOf<&Page::m_strDataBitsLabel>()},
    {IDC_FLOW_CONTROL_LABEL, IDS_FLOW_CONTROL_LABEL, TextOf<&Page::m_strFlowControlLabel>()},
    {IDC_PARITY_LABEL,       IDS_PARITY_LABEL,       TextOf<&Page::m_strParityLabel>()},
    {IDC_FORMAT_INTRO,       IDS_FORMAT_INTRO,       TextOf<&Page::m_strIntro>()},
    {IDC_STOP_BITS_LABEL,    IDS_STOP_BITS_LABEL,    TextOf<&Page::m_strStopBitsLabel>()},
    {IDC_SYNC_MODE_LABEL,    IDS_SYNC_MODE_LABEL,    TextOf<&Page::m_strSyncModeLabel>()},
};

// In the order the lists are filled.
constexpr ChoiceList kFormatLists[] = {
    {IDC_SYNC_MODE,    kSyncModeChoices,    TextOf<&Page::m_strSyncMode>()},
    {IDC_PARITY,       kParityChoices,      TextOf<&Page::m_strParity>()},
    {IDC_BIT_RATE,     kBitRateChoices,     TextOf<&Page::m_strBitRate>()},
    {IDC_FLOW_CONTROL, kFlowControlChoices, TextOf<&Page::m_strFlowControl>()},
    {IDC_DATA_BITS,    kDataBitsChoices,    TextOf<&Page::m_strDataBits>()},
    {IDC_STOP_BITS,    kStopBitsChoices,    TextOf<&Page::m_strStopBits>()},
};
// clang-format on
} // namespace

CPortCtrlCfgPage2::CPortCtrlCfgPage2() : CCfgPage(IDD, kStaticTexts) {}

BOOL CPortCtrlCfgPage2::OnInitDialog()
{
    FillChoiceLists(kFormatLists);
    return CCfgPage::OnInitDialog();
}

void CPortCtrlCfgPage2::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    ExchangeChoiceLists(pDX, kFormatLists);
}

LRESULT CPortCtrlCfgPage2::OnWizardNext()
{
    if (IsZandiZobraOrPellorAdapter())
        return JumpTo(Sheet().m_saveCfgPage);
    return 0;
}
