#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
class CallCtrlPage : public NetworkPagesTest
{
protected:
    CCallCtrlCfgPage& page = sheet.m_callCtrlCfgPage;
};

TEST_F(CallCtrlPage, GreysTheRingsWithoutAutoAnswer_ButStillChecksTheirRange)
{
    TakeModel(3);
    StartOn(page);
    ASSERT_TRUE(wizard.Type(IDC_RINGS_TO_ANSWER, "1234567"));
    EXPECT_EQ(Text(IDC_RINGS_TO_ANSWER), "12345");
    ASSERT_TRUE(wizard.Click(IDC_AUTO_ANSWER));
    EXPECT_FALSE(IsEnabled(IDC_RINGS_TO_ANSWER));
    EXPECT_FALSE(IsEnabled(IDC_RINGS_LABEL));
    EXPECT_EQ(Leave(false), "Data entered is out of range.");
    ASSERT_TRUE(wizard.Click(IDC_AUTO_ANSWER));
    EXPECT_TRUE(IsEnabled(IDC_RINGS_TO_ANSWER));
    EXPECT_TRUE(IsEnabled(IDC_RINGS_LABEL));
}

TEST_F(CallCtrlPage, SendsOneS0_TheRingsWithAutoAnswerAndZeroWithout)
{
    for (int autoAnswer : {BST_CHECKED, BST_UNCHECKED})
    {
        TakeModel(3);
        StartOn(page);
        ASSERT_TRUE(wizard.Type(IDC_RINGS_TO_ANSWER, "3"));
        ASSERT_TRUE(wizard.Check(IDC_AUTO_ANSWER, autoAnswer));
        EXPECT_EQ(Leave(true), "");
        const std::string lines = PackedLines();
        const size_t first = lines.find("S0=");
        EXPECT_EQ(lines.substr(first, 4), autoAnswer == BST_CHECKED ? "S0=3" : "S0=0") << lines;
        EXPECT_EQ(lines.find("S0=", first + 1), std::string::npos) << lines;
        sheet.DestroyWindow();
    }
}

TEST_F(CallCtrlPage, GreysTheRingsByTheAutoAnswerOfAConfigurationLoadedWhileAway)
{
    WriteProfile("[Quiet]\nAutoAnswer=No\nRingsToAnswer=4\n[Loud]\nAutoAnswer=Yes\n");
    TakeModel(3);
    LoadConfiguration("Quiet");
    StartOn(page);
    EXPECT_FALSE(IsEnabled(IDC_RINGS_TO_ANSWER));
    EXPECT_EQ(Text(IDC_RINGS_TO_ANSWER), "4");
    EXPECT_EQ(Leave(true), "");
    LoadConfiguration("Loud");
    EXPECT_EQ(Leave(false), "");
    EXPECT_TRUE(IsEnabled(IDC_RINGS_TO_ANSWER));
    EXPECT_EQ(Text(IDC_RINGS_TO_ANSWER), "1");
}

TEST_F(CallCtrlPage, MarksTheConfigurationModified_ByEverySettingCallerIdIncluded)
{
    bool (*const changes[])(SheetController&) = {
        [](SheetController& w) { return w.Click(IDC_CALLER_ID); },
        [](SheetController& w) { return w.Click(IDC_AUTO_ANSWER); },
        [](SheetController& w) { return w.Click(IDC_PERSISTENT_DTR); },
        [](SheetController& w) { return w.SelectText(IDC_DIALING_METHOD, "Overlap"); },
        [](SheetController& w) { return w.Type(IDC_RINGS_TO_ANSWER, "7"); },
        [](SheetController& w) { return w.Type(IDC_INACTIVITY_TIMER, "30"); },
    };
    for (auto change : changes)
    {
        TakeModel(3);
        StartOn(page);
        ASSERT_TRUE(change(wizard));
        EXPECT_TRUE(g_bCfgModified);
        EXPECT_EQ(Leave(true), "");
        sheet.DestroyWindow();
    }
    EXPECT_EQ(page.m_bCallerId, BST_CHECKED); // the last run left it as loaded
    EXPECT_NE(PackedLines().find("S50=1"), std::string::npos);
}
} // namespace
