#include "src/pages/BandwidthPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kHighThroughputEdit = 1179;
constexpr int kHighThresholdEdit = 1181;
constexpr int kLowThresholdEdit = 1182;
constexpr int kLowThroughputEdit = 1183;
constexpr int kCallBumpingCombo = 1184;
constexpr int kSchemeCombo = 1185;

// An edit of the page and the member that holds its value.
struct Threshold
{
    int editId;
    int CBandwidthPage::*value;
};

// In the order they are exchanged and checked.
// clang-format off
constexpr Threshold kThresholds[] = {
    {kHighThresholdEdit,  &CBandwidthPage::m_nHighThreshold},
    {kHighThroughputEdit, &CBandwidthPage::m_nHighThroughput},
    {kLowThresholdEdit,   &CBandwidthPage::m_nLowThreshold},
    {kLowThroughputEdit,  &CBandwidthPage::m_nLowThroughput},
};
// clang-format on
} // namespace

BEGIN_MESSAGE_MAP(CBandwidthPage, CCfgPage)
ON_EN_CHANGE(kHighThresholdEdit, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kHighThroughputEdit, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kLowThresholdEdit, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kLowThroughputEdit, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kCallBumpingCombo, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kSchemeCombo, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CBandwidthPage::CBandwidthPage() : CCfgPage(IDD) {}

BOOL CBandwidthPage::OnInitDialog()
{
    FillCombo(kCallBumpingCombo, kCallBumpingChoices);
    FillCombo(kSchemeCombo, kBandwidthSchemeChoices);
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
    DDX_CBString(pDX, kCallBumpingCombo, m_strCallBumping);
    DDX_CBString(pDX, kSchemeCombo, m_strDBAScheme);
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
