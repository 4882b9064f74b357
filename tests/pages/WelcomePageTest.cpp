#include "tests/support/WizardTest.h"

using wizard_testing::WizardTest;

namespace
{
class WelcomePage : public WizardTest
{
protected:
    bool IsChecked(int id) const
    {
        auto* button = static_cast<CButton*>(wizard.Control(id));
        return button != nullptr && button->GetCheck() == BST_CHECKED;
    }
};

TEST_F(WelcomePage, AnswerChoosesTheSecondPage_WhenNextIsPressed)
{
    struct Row
    {
        int radio;
        CPropertyPage* expectedPage;
        bool expectedSearch;
    };
    const Row rows[] = {
        {IDC_SEARCH_YES, &sheet.m_idingPage, true},
        {IDC_SEARCH_NO, &sheet.m_portPage, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.radio);
        ASSERT_TRUE(wizard.Start());
        EXPECT_TRUE(IsChecked(IDC_SEARCH_YES));
        EXPECT_FALSE(wizard.IsButtonEnabled(ID_WIZBACK));
        EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZNEXT));
        EXPECT_TRUE(wizard.IsButtonEnabled(IDCANCEL));

        ASSERT_TRUE(wizard.Click(row.radio));
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), row.expectedPage);
        EXPECT_EQ(sheet.m_welcomePage.m_bSearch, row.expectedSearch);
        sheet.DestroyWindow();
    }
}

TEST_F(WelcomePage, CancelIsEnabledAgainAndTheAnswerKept_WhenTheUserComesBack)
{
    ASSERT_TRUE(wizard.Start());
    ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO));
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_portPage);
    // What an outcome page does to the sheet.
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);

    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_welcomePage);
    EXPECT_TRUE(wizard.IsButtonEnabled(IDCANCEL));
    EXPECT_FALSE(wizard.IsButtonEnabled(ID_WIZBACK));
    EXPECT_TRUE(IsChecked(IDC_SEARCH_NO));
    EXPECT_FALSE(IsChecked(IDC_SEARCH_YES));
    EXPECT_FALSE(sheet.m_welcomePage.m_bSearch);
}

TEST_F(WelcomePage, TheButtonCheckedAtNextDecides_WhenTheAnswerChangesOnTheWayBack)
{
    ASSERT_TRUE(wizard.Start());
    ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO));
    ASSERT_TRUE(wizard.Next());
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(sheet.m_welcomePage.m_nSearchChoice, 1);

    ASSERT_TRUE(wizard.Click(IDC_SEARCH_YES));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_idingPage);
    EXPECT_TRUE(sheet.m_welcomePage.m_bSearch);
}
} // namespace
