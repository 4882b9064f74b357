#include "tests/support/WizardTest.h"

#include <algorithm>
#include <string>
#include <vector>

using wizard_testing::WizardTest;

namespace
{
constexpr const char* kEnblocMessage =
    "Use Central Office Dial Tone is not allowed with En-bloc sending";

class POTSPortPageTest : public WizardTest
{
protected:
    // The POTS port page is the first page shown, with the call control page's dialing method
    // `dialingMethod`.
    void StartWithDialingMethod(const std::string& dialingMethod)
    {
        sheet.m_callCtrlCfgPage.m_strDialingMethod = dialingMethod;
        StartOn(page, 3, 13);
    }

    size_t MessagesShown(const std::string& text) const
    {
        return static_cast<size_t>(
            std::count_if(host.MessageBoxes().begin(), host.MessageBoxes().end(),
                          [&text](const auto& box) { return box.text == text; }));
    }

    CPOTSPortPage& page = sheet.m_potsPortPage;
};

TEST_F(POTSPortPageTest, OffersTheCentralOfficeDialTone_OnlyWhenTheDialingMethodIsNotEnbloc)
{
    struct Row
    {
        const char* dialingMethod;
        std::vector<std::string> dialTones;
    };
    const Row rows[] = {
        {"Enbloc", {"No Dial Tone", "TA Generates Dial Tone"}},
        {"Overlap", {"No Dial Tone", "TA Generates Dial Tone", "Use Central Office Dial Tone"}},
        // the list is chosen by the exact text
        {"ENBLOC", {"No Dial Tone", "TA Generates Dial Tone", "Use Central Office Dial Tone"}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.dialingMethod);
        StartWithDialingMethod(row.dialingMethod);
        EXPECT_EQ(ItemsOf(IDC_DIAL_TONE), row.dialTones);
    }
}

TEST_F(POTSPortPageTest,
       KeepsItsDialToneList_AndRefusesCentralOfficeDialTone_AfterTheMethodTurnsEnbloc)
{
    StartWithDialingMethod("Overlap");
    ASSERT_TRUE(wizard.SelectText(IDC_DIAL_TONE, "Use Central Office Dial Tone"));
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_portCtrlCfgPage2);

    sheet.m_callCtrlCfgPage.m_strDialingMethod = "Enbloc";
    host.QueueAnswer(IDOK); // filling the controls breaks the rule already
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(MessagesShown(kEnblocMessage), 1u);
    EXPECT_EQ(ItemsOf(IDC_DIAL_TONE).size(), 3u);

    for (bool forward : {true, false})
    {
        host.QueueAnswer(IDOK);
        ASSERT_TRUE(forward ? wizard.Next() : wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), &page);
        EXPECT_EQ(LastMessage(), kEnblocMessage);
        EXPECT_EQ(CWnd::GetFocus(), wizard.Control(IDC_DIAL_TONE));
    }
    EXPECT_EQ(MessagesShown(kEnblocMessage), 3u);

    ASSERT_TRUE(wizard.SelectText(IDC_DIAL_TONE, "No Dial Tone"));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
    EXPECT_EQ(page.m_strDialTone, "No Dial Tone");
}

TEST_F(POTSPortPageTest, ShowsTheEnblocMessageOnce_WhenAStoredConfigurationBreaksTheRule)
{
    page.m_strDialTone = "Use Central Office Dial Tone";
    host.QueueAnswer(IDOK);
    StartWithDialingMethod("Enbloc");
    EXPECT_EQ(MessagesShown(kEnblocMessage), 1u);
    EXPECT_EQ(host.MessageBoxes().size(), 1u);
    // the two-entry list has no such item
    EXPECT_EQ(SelectionOf(IDC_DIAL_TONE), "");
}

TEST_F(POTSPortPageTest, NextGoesToTheSavePage_OnlyWhenSomethingWasModified)
{
    StartWithDialingMethod("Enbloc");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_loadCfgPage);

    StartWithDialingMethod("Enbloc");
    ASSERT_TRUE(wizard.Type(IDC_DIAL_TONE_GAIN, "5"));
    EXPECT_TRUE(g_bCfgModified);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
    EXPECT_EQ(page.m_nDialToneGain, 5);
}

// An out-of-range gain would be saved and sent, and the adapter would refuse the line.
TEST_F(POTSPortPageTest, RefusesAGainOutsideZeroToTen_WhenLeftEitherWay)
{
    const TypedValue rows[] = {
        {IDC_DIAL_TONE_GAIN, "10", nullptr},
        {IDC_DIAL_TONE_GAIN, "0", nullptr},
        {IDC_DIAL_TONE_GAIN, "11", "Data entered is out of range."},
        {IDC_DIAL_TONE_GAIN, "-1", "Data entered is out of range."},
        {IDC_DIAL_TONE_GAIN, "5 dB", "Please enter an integer."},
    };
    ExpectValuesCheckedBothWays(
        rows, [this] { StartWithDialingMethod("Overlap"); }, sheet.m_saveCfgPage,
        sheet.m_portCtrlCfgPage2);
}

TEST_F(POTSPortPageTest, SortsItsLists_AndEveryControlMarksTheConfigurationModified)
{
    page.m_strRingSignal = "Germany 2";
    StartWithDialingMethod("Overlap");
    EXPECT_EQ(ItemsOf(IDC_RING_FREQUENCY),
              (std::vector<std::string>{"16.67 Hz", "20 Hz", "25 Hz"}));
    const std::vector<std::string> ringSignals = ItemsOf(IDC_RING_SIGNAL);
    EXPECT_EQ(ringSignals.size(), 26u);
    EXPECT_TRUE(std::is_sorted(ringSignals.begin(), ringSignals.end()));
    EXPECT_EQ(SelectionOf(IDC_RING_SIGNAL), "Germany 2");

    for (int combo : {IDC_RING_FREQUENCY, IDC_DIAL_TONE, IDC_PULSE_RECOGNITION,
                      IDC_DIAL_TONE_SUPPRESSION, IDC_RING_SIGNAL})
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Select(combo, 0));
        EXPECT_TRUE(g_bCfgModified) << combo;
    }
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_strRingSignal, "Austria");
    EXPECT_EQ(page.m_strRingFrequency, "16.67 Hz");
}
} // namespace
