#include "src/pages/PortCtrlCfgPage1.h"

#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
using Page = CPortCtrlCfgPage1;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_SIGNALS_INTRO,    IDS_SIGNALS_INTRO,    TextOf<&Page::m_strIntro>()},
    {IDC_DTR_DETECT_LABEL, IDS_DTR_DETECT_LABEL, TextOf<&Page::m_strDTRDetectLabel>()},
    {IDC_DTR_LABEL,        IDS_DTR_LABEL,        TextOf<&Page::m_strDTRLabel>()},
    {IDC_DSR_LABEL,        IDS_DSR_LABEL,        TextOf<&Page::m_strDSRLabel>()},
    {IDC_DCD_DROP_LABEL,   IDS_DCD_DROP_LABEL,   TextOf<&Page::m_strDCDDropLabel>()},
    {IDC_DCD_LABEL,        IDS_DCD_LABEL,        TextOf<&Page::m_strDCDLabel>()},
    {IDC_CTS_LABEL,        IDS_CTS_LABEL,        TextOf<&Page::m_strCTSLabel>()},
};

// In the order the lists are filled.
constexpr ChoiceList kSignalLists[] = {
    {IDC_DTR_SIGNAL, kDtrChoices, TextOf<&Page::m_strDTR>()},
    {IDC_DSR_SIGNAL, kDsrChoices, TextOf<&Page::m_strDSR>()},
    {IDC_CTS_SIGNAL, kCtsChoices, TextOf<&Page::m_strCTS>()},
    {IDC_DCD_SIGNAL, kDcdChoices, TextOf<&Page::m_strDCD>()},
};
// clang-format on
} // namespace

CPortCtrlCfgPage1::CPortCtrlCfgPage1() : CCfgPage(IDD, kStaticTexts) {}

BOOL CPortCtrlCfgPage1::OnInitDialog()
{
    FillChoiceLists(kSignalLists);
    LimitNumberField(IDC_DTR_DETECT_TIME);
    LimitNumberField(IDC_DCD_DROP_TIME);
    return CCfgPage::OnInitDialog();
}

void CPortCtrlCfgPage1::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    ExchangeChoiceLists(pDX, kSignalLists);

    DDX_Text(pDX, IDC_DTR_DETECT_TIME, m_nDTRDetectTime);
    theParams.ValidateParam(pDX, IDC_DTR_DETECT_TIME);

    DDX_Text(pDX, IDC_DCD_DROP_TIME, m_nDCDDropTime);
    theParams.ValidateParam(pDX, IDC_DCD_DROP_TIME);
}
