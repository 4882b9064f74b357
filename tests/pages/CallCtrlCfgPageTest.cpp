#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
class CallCtrlPage : public NetworkPagesTest
{
protected:
    // The values of a new configuration, then the wizard on the call control page.
    void StartWithDefaults()
    {
        TakeAdapter(3, 13);
        LoadConfiguration("");
        StartOn(sheet.m_callCtrlCfgPage);
    }
    CCallCtrlCfgPage& page = sheet.m_callCtrlCfgPage;
};

struct NumberEntry
{
    const char* rings;
    const char* timer;
    bool byNext;
    const char* message; // "" when the page is left
    int focus;
};

TEST_F(CallCtrlPage, ChecksRingsThenTimer_WhenLeftEitherWay)
{
    const NumberEntry rows[] = {
        {"0", "0", true, "Data entered is out of range.", 1010},
        {"256", "0", false, "Data entered is out of range.", 1010},
        {"1", "256", true, "Data entered is out of range.", 1178},
        {"0", "300", false, "Data entered is out of range.", 1010},
        {"abc", "0", true, "Please enter an integer.", 1010},
        // The timer is exchanged first, so its form is reported before the rings' range.
        {"0", "x", true, "Please enter an integer.", 1178},
        {"-0", "5", false, "Please enter an integer.", 1010},
        {"255", "0", true, "", 0},
        {"1", "255", false, "", 0},
    };
    for (const NumberEntry& row : rows)
    {
        SCOPED_TRACE(std::string(row.rings) + "/" + row.timer);
        StartWithDefaults();
        ASSERT_TRUE(wizard.Type(1010, row.rings));
        ASSERT_TRUE(wizard.Type(1178, row.timer));
        if (*row.message != '\0')
            ExpectRefusal(row.byNext, row.message, row.focus);
        else
            ASSERT_TRUE(row.byNext ? wizard.Next() : wizard.Back());
        sheet.DestroyWindow();
    }
}

TEST_F(CallCtrlPage, LimitsTheRingsFieldToFiveCharacters)
{
    StartWithDefaults();
    ASSERT_TRUE(wizard.Type(1010, "1234567"));
    EXPECT_EQ(Text(1010), "12345");
    ExpectRefusal(true, "Data entered is out of range.", 1010);
}

TEST_F(CallCtrlPage, GreysTheRingsWithoutAutoAnswer_ButStillChecksTheirRange)
{
    StartWithDefaults();
    EXPECT_TRUE(IsEnabled(1010));
    EXPECT_TRUE(IsEnabled(1044));
    ASSERT_TRUE(wizard.Type(1010, "0"));
    ASSERT_TRUE(wizard.Click(1007));
    EXPECT_FALSE(IsEnabled(1010));
    EXPECT_FALSE(IsEnabled(1044));
    ExpectRefusal(false, "Data entered is out of range.", 1010);
    ASSERT_TRUE(wizard.Click(1007));
    EXPECT_TRUE(IsEnabled(1010));
}

struct AutoAnswerSent
{
    bool autoAnswer;
    const char* rings;
    const char* fragment; // the one "S0=" the adapter receives
};

TEST_F(CallCtrlPage, SendsAutoAnswerAsTheRingsOrAsZero_WhenLeft)
{
    const AutoAnswerSent rows[] = {{true, "3", "S0=3"}, {false, "3", "S0=0"}};
    for (const AutoAnswerSent& row : rows)
    {
        SCOPED_TRACE(row.fragment);
        StartWithDefaults();
        ASSERT_TRUE(wizard.Type(1010, row.rings));
        ASSERT_TRUE(wizard.Check(1007, row.autoAnswer ? BST_CHECKED : BST_UNCHECKED));
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_dataProtocolPage);
        EXPECT_EQ(IsParamEnabled(1007), !row.autoAnswer);
        EXPECT_EQ(IsParamEnabled(1010), row.autoAnswer);
        const std::string lines = PackedLines();
        const size_t first = lines.find("S0=");
        ASSERT_NE(first, std::string::npos) << lines;
        EXPECT_EQ(lines.compare(first, 4, row.fragment), 0) << lines;
        EXPECT_EQ(lines.find("S0=", first + 1), std::string::npos) << lines;
        sheet.DestroyWindow();
    }
}

TEST_F(CallCtrlPage, FollowsTheAutoAnswerOfAConfigurationLoadedWhileAway)
{
    WriteProfile("[Quiet]\nAutoAnswer=No\nRingsToAnswer=4\n[Loud]\nAutoAnswer=Yes\n");
    TakeAdapter(3, 13);
    LoadConfiguration("Quiet");
    StartOn(sheet.m_callCtrlCfgPage);
    EXPECT_FALSE(IsEnabled(1010));
    EXPECT_EQ(Text(1010), "4");
    ASSERT_TRUE(wizard.Next());

    LoadConfiguration("Loud");
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_callCtrlCfgPage);
    EXPECT_TRUE(IsEnabled(1010));
    EXPECT_TRUE(IsEnabled(1044));
    EXPECT_EQ(Text(1010), "1");
}

TEST_F(CallCtrlPage, MarksTheConfigurationModified_ByEverySettingIncludingCallerId)
{
    bool (*const changes[])(SheetController&) = {
        [](SheetController& w) { return w.Click(1155); },
        [](SheetController& w) { return w.Click(1007); },
        [](SheetController& w) { return w.Click(1008); },
        [](SheetController& w) { return w.SelectText(1009, "Overlap"); },
        [](SheetController& w) { return w.Type(1010, "7"); },
        [](SheetController& w) { return w.Type(1178, "30"); },
    };
    for (size_t i = 0; i < std::size(changes); ++i)
    {
        SCOPED_TRACE(i);
        StartWithDefaults();
        ASSERT_FALSE(g_bCfgModified);
        ASSERT_TRUE(changes[i](wizard));
        EXPECT_TRUE(g_bCfgModified);
        sheet.DestroyWindow();
    }
    StartWithDefaults();
    ASSERT_TRUE(wizard.Click(1155));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_bCallerId, BST_UNCHECKED);
    EXPECT_NE(PackedLines().find("S50=0"), std::string::npos);
}

struct CallCtrlBack
{
    BOOL teiDisabled;
    BOOL usSwitch;
    CPropertyPage* (*target)(CCfgSheet&);
};

TEST_F(CallCtrlPage, GoesBackToThePageTheRouteCameFrom)
{
    const CallCtrlBack rows[] = {
        {TRUE, TRUE, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; }},
        {TRUE, FALSE, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; }},
        {FALSE, TRUE, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage2US; }},
        {FALSE, FALSE, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage2Europe; }},
    };
    for (const CallCtrlBack& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.teiDisabled) + "/" + std::to_string(row.usSwitch));
        sheet.m_bTEIDisabled = row.teiDisabled;
        sheet.m_bUSSwitchType = row.usSwitch;
        StartWithDefaults();
        ASSERT_TRUE(wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), row.target(sheet));
        sheet.DestroyWindow();
    }
}
} // namespace
