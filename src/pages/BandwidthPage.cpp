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
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CBandwidthPage, CCfgPage)
ON_EN_CHANGE(IDC_BOD_HIGH_THRESHOLD, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_BOD_HIGH_THROUGHPUT, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_BOD_LOW_THRESHOLD, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_BOD_LOW_THROUGHPUT, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_CALL_BUMPING, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_BANDWIDTH_SCHEME, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CBandwidthPage::CBandwidthPage() : CCfgPage(IDD) {}

BOOL CBandwidthPage::OnInitDialog()
{
    FillCombo(IDC_CALL_BUMPING, kCallBumpingChoices);
    FillCombo(IDC_BANDWIDTH_SCHEME, kBandwidthSchemeChoices);
    return CCfgPage::OnInitDialog();
}

BOOL CBandwidthPage::OnSetActive()
{
    return ActivateSettingsPage();
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
    DDX_CBString(pDX, IDC_CALL_BUMPING, m_strCallBumping);
    DDX_CBString(pDX, IDC_BANDWIDTH_SCHEME, m_strDBAScheme);
}

LRESULT CBandwidthPage::OnWizardNext()
{
    if (m_pSheet == nullptr || !m_pSheet->m_bExpressSetup)
        return 0;
    if (m_pSheet->m_bTEIDisabled)
        return JumpTo(m_pSheet->m_dataProtocolPage);
    if (m_pSheet->m_bUSSwitchType)
        return JumpTo(m_pSheet->m_networkCfgPage2US);
    return JumpTo(m_pSheet->m_networkCfgPage2Europe);
}

LRESULT CBandwidthPage::OnWizardBack()
{
    if (m_pSheet != nullptr && m_pSheet->m_bExpressSetup)
        return JumpTo(m_pSheet->m_iniSectionPage);
    return 0;
}
