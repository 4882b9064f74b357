#include "src/pages/BandwidthPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
// An edit of the page and the member that holds its value.
struct Threshold
{
    int editId;
    int CBandwidthPage::*value;
};

// In the order they are exchanged and checked.
// clang-format off
constexpr Threshold kThresholds[] = {
    {IDC_BOD_HIGH_THRESHOLD,  &CBandwidthPage::m_nHighThreshold},
    {IDC_BOD_HIGH_THROUGHPUT, &CBandwidthPage::m_nHighThroughput},
    {IDC_BOD_LOW_THRESHOLD,   &CBandwidthPage::m_nLowThreshold},
    {IDC_BOD_LOW_THROUGHPUT,  &CBandwidthPage::m_nLowThroughput},
};

// In the order they are filled and exchanged.
constexpr ChoiceList kLists[] = {
    {IDC_CALL_BUMPING,     kCallBumpingChoices,     TextOf<&CBandwidthPage::m_strCallBumping>()},
    {IDC_BANDWIDTH_SCHEME, kBandwidthSchemeChoices, TextOf<&CBandwidthPage::m_strDBAScheme>()},
};
// clang-format on
} // namespace

CBandwidthPage::CBandwidthPage() : CCfgPage(IDD) {}

BOOL CBandwidthPage::OnInitDialog()
{
    FillChoiceLists(kLists);
    return CCfgPage::OnInitDialog();
}

void CBandwidthPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    // A value outside its range would be saved and sent, the adapter would refuse the line, and
    // the next load would replace it with its default: it is refused here, where it was typed.
    for (const Threshold& threshold : kThresholds)
    {
        DDX_Text(pDX, threshold.editId, this->*threshold.value);
        theParams.ValidateParam(pDX, threshold.editId);
    }
    ExchangeChoiceLists(pDX, kLists);
}

LRESULT CBandwidthPage::OnWizardNext()
{
    CCfgSheet& sheet = Sheet();
    if (!sheet.m_bExpressSetup)
        return 0;
    if (sheet.m_bTEIDisabled)
        return JumpTo(sheet.m_dataProtocolPage);
    if (sheet.m_bUSSwitchType)
        return JumpTo(sheet.m_networkCfgPage2US);
    return JumpTo(sheet.m_networkCfgPage2Europe);
}

LRESULT CBandwidthPage::OnWizardBack()
{
    if (Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_iniSectionPage);
    return 0;
}
