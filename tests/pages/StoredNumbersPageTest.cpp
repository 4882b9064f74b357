#include "tests/support/WizardTest.h"

#include <string>

using wizard_testing::WizardTest;

namespace
{
class StoredNumbersPageTest : public WizardTest
{
protected:
    BOOL Enabled(int number) const
    {
        return theParams.FindParam(IDC_STORED_NUMBER_0 + number)->m_bEnabled;
    }

    CStoredNumbersPage& page = sheet.m_storedNumbersPage;
};

TEST_F(StoredNumbersPageTest, TrimsEachNumberAndSwitchesItsParameterByWhetherItIsEmpty_WhenLeft)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 0, "  0123,456-7\t"));
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 4, "   ")); // only blanks: not sent
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 9, "9&1"));
    theParams.FindParam(IDC_STORED_NUMBER_0 + 4)->m_bEnabled = TRUE;

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_portCtrlCfgPage1);
    EXPECT_EQ(page.m_strNumber[0], "0123,456-7");
    EXPECT_EQ(page.m_strNumber[4], "");
    EXPECT_EQ(page.m_strNumber[9], "9&1");
    for (int number = 0; number < 10; ++number)
    {
        SCOPED_TRACE(number);
        EXPECT_EQ(Enabled(number), number == 0 || number == 9);
    }
    std::vector<std::string> lines;
    theParams.PackCommandLines(lines);
    std::string all;
    for (const std::string& line : lines)
        all += line;
    EXPECT_NE(all.find("&Z0=0123,456-7"), std::string::npos);
    EXPECT_NE(all.find("&Z9=9&1"), std::string::npos);
    EXPECT_EQ(all.find("&Z4="), std::string::npos);
}

TEST_F(StoredNumbersPageTest, RefusesAnAmpersandInNumberZeroOnly)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 1, "1&2"));
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 0, "1&2"));
    host.QueueAnswer(IDOK);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(LastMessage(), "Invalid character(s) entered.");
    EXPECT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(CWnd::GetFocus(), wizard.Control(IDC_STORED_NUMBER_0 + 0));

    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 0, "12"));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_strNumber[1], "1&2");
    EXPECT_TRUE(Enabled(1));
}

TEST_F(StoredNumbersPageTest, KeepsTheNumbersBeforeAFailingOneTrimmedAndSwitched_WhenLeftByBack)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 1, " 11 "));
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 3, "3 3")); // a blank inside is not trimmed
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 5, " 55 "));
    theParams.FindParam(IDC_STORED_NUMBER_0 + 2)->m_bEnabled = TRUE;
    theParams.FindParam(IDC_STORED_NUMBER_0 + 5)->m_bEnabled = FALSE;

    host.QueueAnswer(IDOK);
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(LastMessage(), "Invalid character(s) entered.");
    EXPECT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(page.m_strNumber[1], "11");
    EXPECT_TRUE(Enabled(1));
    EXPECT_FALSE(Enabled(2));
    EXPECT_EQ(page.m_strNumber[3], "3 3");
    EXPECT_EQ(page.m_strNumber[5], " 55 ");
    EXPECT_FALSE(Enabled(5));
}

TEST_F(StoredNumbersPageTest, TakesNoMoreThanTwentyCharactersInAnyNumber)
{
    StartOn(page, 3, 13);
    for (int number = 0; number < 10; ++number)
    {
        SCOPED_TRACE(number);
        ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + number, "123456789012345678901234"));
        EXPECT_EQ(wizard.Control(IDC_STORED_NUMBER_0 + number)->GetWindowText(),
                  "12345678901234567890");
    }
}

TEST_F(StoredNumbersPageTest, MarksTheConfigurationModified_WhenANumberIsTyped)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Type(IDC_STORED_NUMBER_0 + 7, "7"));
    EXPECT_TRUE(g_bCfgModified);
}

} // namespace
