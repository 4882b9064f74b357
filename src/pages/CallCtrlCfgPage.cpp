#include "src/pages/CallCtrlCfgPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
using Page = CCallCtrlCfgPage;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_CALL_INTRO,           IDS_CALL_INTRO,           TextOf<&Page::m_strIntro>()},
    {IDC_DIALING_METHOD_LABEL, IDS_DIALING_METHOD_LABEL, TextOf<&Page::m_strDialingMethodLabel>()},
    {IDC_RINGS_LABEL,          IDS_RINGS_LABEL,          TextOf<&Page::m_strRingsLabel>()},
    {IDC_INACTIVITY_LABEL,     IDS_INACTIVITY_LABEL,     TextOf<&Page::m_strInactivityLabel>()},
};
// clang-format on

constexpr int kRingsControls[] = {IDC_RINGS_TO_ANSWER, IDC_RINGS_LABEL};
} // namespace

BEGIN_MESSAGE_MAP(CCallCtrlCfgPage, CCfgPage)
ON_BN_CLICKED(IDC_AUTO_ANSWER, &CCallCtrlCfgPage::OnAutoAnswerClicked)
END_MESSAGE_MAP()

CCallCtrlCfgPage::CCallCtrlCfgPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CCallCtrlCfgPage::OnInitDialog()
{
    FillCombo(IDC_DIALING_METHOD, kDialingMethodChoices);
    LimitNumberField(IDC_RINGS_TO_ANSWER);
    return CCfgPage::OnInitDialog();
}

BOOL CCallCtrlCfgPage::OnSetActive()
{
    const BOOL bActive = CCfgPage::OnSetActive();
    // After the members were shown: a configuration loaded since may have changed auto answer.
    EnableRingsToAnswer();
    return bActive;
}

void CCallCtrlCfgPage::OnAutoAnswerClicked()
{
    OnSettingChanged();
    EnableRingsToAnswer();
}

LRESULT CCallCtrlCfgPage::OnWizardBack()
{
    if (Sheet().m_bTEIDisabled)
        return JumpTo(Sheet().m_networkCfgPage1);
    if (Sheet().m_bUSSwitchType)
        return JumpTo(Sheet().m_networkCfgPage2US);
    return 0;
}

void CCallCtrlCfgPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AUTO_ANSWER, m_btnAutoAnswer);
    DDX_Check(pDX, IDC_AUTO_ANSWER, m_bAutoAnswer);
    DDX_CBString(pDX, IDC_DIALING_METHOD, m_strDialingMethod);
    DDX_Check(pDX, IDC_PERSISTENT_DTR, m_bPersistentDTR);
    DDX_Check(pDX, IDC_CALLER_ID, m_bCallerId);

    DDX_Text(pDX, IDC_INACTIVITY_TIMER, m_nInactivityTimer);
    DDX_Text(pDX, IDC_RINGS_TO_ANSWER, m_nRingsToAnswer);
    if (!pDX->m_bSaveAndValidate)
        return;
    // The rings are checked before the timer although the timer was exchanged first.
    pDX->PrepareEditCtrl(IDC_RINGS_TO_ANSWER);
    theParams.ValidateParam(pDX, IDC_RINGS_TO_ANSWER);
    pDX->PrepareEditCtrl(IDC_INACTIVITY_TIMER);
    theParams.ValidateParam(pDX, IDC_INACTIVITY_TIMER);

    EnableParam(IDC_AUTO_ANSWER, m_bAutoAnswer == 0);
    EnableParam(IDC_RINGS_TO_ANSWER, m_bAutoAnswer != 0);
}

void CCallCtrlCfgPage::EnableRingsToAnswer()
{
    EnableDlgItems(*this, kRingsControls, m_btnAutoAnswer.GetCheck() == BST_CHECKED);
}
