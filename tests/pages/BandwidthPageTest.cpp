#include "tests/support/WizardTest.h"

#include <string>
#include <vector>

using wizard_testing::WizardTest;

namespace
{
class BandwidthPageTest : public WizardTest
{
protected:
    CBandwidthPage& page = sheet.m_bandwidthPage;
};

TEST_F(BandwidthPageTest, ShowsTheValues_AndEveryControlMarksTheConfigurationModified)
{
    page.m_nHighThreshold = 10;
    page.m_nLowThroughput = 26;
    page.m_strDBAScheme = "PPP";
    StartOn(page, 3, 13);
    EXPECT_EQ(wizard.Control(IDC_BOD_HIGH_THRESHOLD)->GetWindowText(), "10");
    EXPECT_EQ(wizard.Control(IDC_BOD_LOW_THROUGHPUT)->GetWindowText(), "26");
    EXPECT_EQ(SelectionOf(IDC_BANDWIDTH_SCHEME), "PPP");
    EXPECT_EQ(ItemsOf(IDC_BANDWIDTH_SCHEME), (std::vector<std::string>{"Disabled", "MP+", "PPP"}));
    EXPECT_EQ(ItemsOf(IDC_CALL_BUMPING), (std::vector<std::string>{"Disabled", "Enabled"}));

    for (int edit : {IDC_BOD_HIGH_THROUGHPUT, IDC_BOD_HIGH_THRESHOLD, IDC_BOD_LOW_THRESHOLD,
                     IDC_BOD_LOW_THROUGHPUT})
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Type(edit, "3"));
        EXPECT_TRUE(g_bCfgModified) << edit;
    }
    for (int combo : {IDC_CALL_BUMPING, IDC_BANDWIDTH_SCHEME})
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Select(combo, 0));
        EXPECT_TRUE(g_bCfgModified) << combo;
    }
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_nLowThroughput, 3);
    EXPECT_EQ(page.m_strDBAScheme, "Disabled");
}

// A value out of range would be saved and sent, the adapter would refuse its line and the
// download fail without saying why; the next load would replace it with its default.
TEST_F(BandwidthPageTest, RefusesEachValueOutsideItsRange_WhenLeftEitherWay)
{
    const TypedValue rows[] = {
        {IDC_BOD_HIGH_THRESHOLD, "255", nullptr},
        {IDC_BOD_HIGH_THRESHOLD, "256", "Data entered is out of range."},
        {IDC_BOD_HIGH_THROUGHPUT, "64", nullptr},
        {IDC_BOD_HIGH_THROUGHPUT, "65", "Data entered is out of range."},
        {IDC_BOD_LOW_THRESHOLD, "0", nullptr},
        {IDC_BOD_LOW_THRESHOLD, "-1", "Data entered is out of range."},
        {IDC_BOD_LOW_THROUGHPUT, "64", nullptr},
        {IDC_BOD_LOW_THROUGHPUT, "100", "Data entered is out of range."},
        {IDC_BOD_LOW_THROUGHPUT, "kbps", "Please enter an integer."},
    };
    const auto start = [this] {
        StartOn(page, 3, 13);
        for (int edit : {IDC_BOD_HIGH_THROUGHPUT, IDC_BOD_HIGH_THRESHOLD, IDC_BOD_LOW_THRESHOLD,
                         IDC_BOD_LOW_THROUGHPUT})
            ASSERT_TRUE(wizard.Type(edit, "10"));
    };
    ExpectValuesCheckedBothWays(rows, start, sheet.m_networkCfgPage1,
                                sheet.m_networkSwitchTypePage);
}
} // namespace
