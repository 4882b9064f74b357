#include "src/pages/WelcomePage.h"

#include "src/app/CfgSheet.h"

namespace
{
constexpr int kChoiceYes = 0;

constexpr StaticText kStaticTexts[] = {
    {IDC_WELCOME_INTRO, IDS_WELCOME_INTRO, TextOf<&CWelcomePage::m_strIntro>()},
};
} // namespace

CWelcomePage::CWelcomePage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CWelcomePage::OnInitDialog()
{
    m_nSearchChoice = kChoiceYes;
    return CCfgPage::OnInitDialog();
}

BOOL CWelcomePage::OnSetActive()
{
    RequestButtons(PSWIZB_NEXT);
    // The outcome pages take Cancel away; a user who comes back here may leave again.
    EnableCancel(TRUE);
    return DefaultActivation();
}

LRESULT CWelcomePage::OnWizardNext()
{
    // The button, not m_nSearchChoice: the radio group reaches the member only when the page
    // is left, after this handler.
    if (m_btnYes.GetCheck() == BST_CHECKED)
    {
        m_bSearch = true;
        return JumpTo(Sheet().m_idingPage);
    }
    m_bSearch = false;
    return 0;
}

void CWelcomePage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEARCH_YES, m_btnYes);
    DDX_Radio(pDX, IDC_SEARCH_YES, m_nSearchChoice);
}
