#include "src/pages/CallCtrlCfgPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kRingsControls[] = {IDC_RINGS_TO_ANSWER, IDC_RINGS_LABEL};
constexpr int kRingsMaxChars = 5;
} // namespace

BEGIN_MESSAGE_MAP(CCallCtrlCfgPage, CCfgPage)
ON_BN_CLICKED(IDC_AUTO_ANSWER, &CCallCtrlCfgPage::OnAutoAnswerClicked)
ON_BN_CLICKED(IDC_PERSISTENT_DTR, &CCfgPage::OnSettingChanged)
// Like every other setting: a changed caller identification alone must still be saved
// before it is sent.
ON_BN_CLICKED(IDC_CALLER_ID, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(IDC_DIALING_METHOD, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_RINGS_TO_ANSWER, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(IDC_INACTIVITY_TIMER, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CCallCtrlCfgPage::CCallCtrlCfgPage() : CCfgPage(IDD) {}

BOOL CCallCtrlCfgPage::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strIntro = AfxLoadString(IDS_CALL_INTRO);
    m_strDialingMethodLabel = AfxLoadString(IDS_DIALING_METHOD_LABEL);
    m_strRingsLabel = AfxLoadString(IDS_RINGS_LABEL);
    m_strInactivityLabel = AfxLoadString(IDS_INACTIVITY_LABEL);
    FillCombo(IDC_DIALING_METHOD, kDialingMethodChoices);
    static_cast<CEdit*>(GetDlgItem(IDC_RINGS_TO_ANSWER))->LimitText(kRingsMaxChars);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CCallCtrlCfgPage::OnSetActive()
{
    const BOOL bActive = ActivateSettingsPage();
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
    if (m_pSheet == nullptr)
        return 0;
    if (m_pSheet->m_bTEIDisabled)
        return JumpTo(m_pSheet->m_networkCfgPage1);
    if (m_pSheet->m_bUSSwitchType)
        return JumpTo(m_pSheet->m_networkCfgPage2US);
    return 0;
}

void CCallCtrlCfgPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AUTO_ANSWER, m_btnAutoAnswer);
    DDX_Check(pDX, IDC_AUTO_ANSWER, m_bAutoAnswer);
    DDX_CBString(pDX, IDC_DIALING_METHOD, m_strDialingMethod);
    DDX_Check(pDX, IDC_PERSISTENT_DTR, m_bPersistentDTR);
    DDX_Text(pDX, IDC_CALL_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_DIALING_METHOD_LABEL, m_strDialingMethodLabel);
    DDX_Text(pDX, IDC_RINGS_LABEL, m_strRingsLabel);
    DDX_Check(pDX, IDC_CALLER_ID, m_bCallerId);
    DDX_Text(pDX, IDC_INACTIVITY_LABEL, m_strInactivityLabel);

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
