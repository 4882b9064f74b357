#include "src/pages/WelcomePage.h"

#include "src/app/CfgSheet.h"

namespace
{
constexpr int kChoiceYes = 0;
} // namespace

CWelcomePage::CWelcomePage() : CCfgPage(IDD) {}

BOOL CWelcomePage::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strIntro = AfxLoadString(IDS_WELCOME_INTRO);
    m_nSearchChoice = kChoiceYes;
    UpdateData(FALSE);
    return TRUE;
}

BOOL CWelcomePage::OnSetActive()
{
    RequestButtons(PSWIZB_NEXT);
    // The outcome pages take Cancel away; a user who comes back here may leave again.
    EnableCancel(TRUE);
    return CCfgPage::OnSetActive();
}

LRESULT CWelcomePage::OnWizardNext()
{
    // The button, not m_nSearchChoice: the radio group reaches the member only when the page
    // is left, after this handler.
    if (m_btnYes.GetCheck() == BST_CHECKED)
    {
        m_bSearch = true;
        return JumpTo(m_pSheet->m_idingPage);
    }
    m_bSearch = false;
    return 0;
}

void CWelcomePage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEARCH_YES, m_btnYes);
    DDX_Text(pDX, IDC_WELCOME_INTRO, m_strIntro);
    DDX_Radio(pDX, IDC_SEARCH_YES, m_nSearchChoice);
}
