#include "src/pages/CallCtrlCfgPage.h"

#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"

namespace
{
constexpr int kAutoAnswer = 1007;
constexpr int kPersistentDTR = 1008;
constexpr int kDialingMethod = 1009;
constexpr int kRingsToAnswer = 1010;
constexpr int kCallerId = 1155;
constexpr int kInactivityTimer = 1178;
constexpr int kRingsControls[] = {kRingsToAnswer, 1044};
constexpr int kRingsMaxChars = 5;
} // namespace

BEGIN_MESSAGE_MAP(CCallCtrlCfgPage, CCfgPage)
ON_BN_CLICKED(kAutoAnswer, &CCallCtrlCfgPage::OnAutoAnswerClicked)
ON_BN_CLICKED(kPersistentDTR, &CCfgPage::OnSettingChanged)
// Like every other setting: a changed caller identification alone must still be saved
// before it is sent.
ON_BN_CLICKED(kCallerId, &CCfgPage::OnSettingChanged)
ON_CBN_SELCHANGE(kDialingMethod, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kRingsToAnswer, &CCfgPage::OnSettingChanged)
ON_EN_CHANGE(kInactivityTimer, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CCallCtrlCfgPage::CCallCtrlCfgPage() : CCfgPage(IDD) {}

BOOL CCallCtrlCfgPage::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strIntro = AfxLoadString(1395);
    m_strDialingMethodLabel = AfxLoadString(1397);
    m_strRingsLabel = AfxLoadString(1396);
    m_strInactivityLabel = AfxLoadString(1524);
    FillCombo(kDialingMethod, kDialingMethodChoices);
    static_cast<CEdit*>(GetDlgItem(kRingsToAnswer))->LimitText(kRingsMaxChars);
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
    DDX_Control(pDX, kAutoAnswer, m_btnAutoAnswer);
    DDX_Check(pDX, kAutoAnswer, m_bAutoAnswer);
    DDX_CBString(pDX, kDialingMethod, m_strDialingMethod);
    DDX_Check(pDX, kPersistentDTR, m_bPersistentDTR);
    DDX_Text(pDX, 1088, m_strIntro);
    DDX_Text(pDX, 1090, m_strDialingMethodLabel);
    DDX_Text(pDX, 1044, m_strRingsLabel);
    DDX_Check(pDX, kCallerId, m_bCallerId);
    DDX_Text(pDX, 1180, m_strInactivityLabel);

    DDX_Text(pDX, kInactivityTimer, m_nInactivityTimer);
    DDX_Text(pDX, kRingsToAnswer, m_nRingsToAnswer);
    if (!pDX->m_bSaveAndValidate)
        return;
    // The rings are checked before the timer although the timer was exchanged first.
    pDX->PrepareEditCtrl(kRingsToAnswer);
    theParams.ValidateParam(pDX, kRingsToAnswer);
    pDX->PrepareEditCtrl(kInactivityTimer);
    theParams.ValidateParam(pDX, kInactivityTimer);

    EnableParam(kAutoAnswer, m_bAutoAnswer == 0);
    EnableParam(kRingsToAnswer, m_bAutoAnswer != 0);
}

void CCallCtrlCfgPage::EnableRingsToAnswer()
{
    EnableDlgItems(*this, kRingsControls, m_btnAutoAnswer.GetCheck() == BST_CHECKED);
}
