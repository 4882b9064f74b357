#include "tests/support/WizardTest.h"

#include <string>
#include <vector>

using wizard_testing::WizardTest;

namespace
{
class PortCtrlCfgPagesTest : public WizardTest
{
};

TEST_F(PortCtrlCfgPagesTest, ChecksBothTimes_WhenTheSignalPageIsLeftEitherWay)
{
    const TypedValue rows[] = {
        {IDC_DTR_DETECT_TIME, "255", nullptr},
        {IDC_DTR_DETECT_TIME, "0", nullptr},
        {IDC_DTR_DETECT_TIME, "256", "Data entered is out of range."},
        {IDC_DTR_DETECT_TIME, "-1", "Data entered is out of range."},
        {IDC_DTR_DETECT_TIME, "12a", "Please enter an integer."},
        {IDC_DTR_DETECT_TIME, "", "Please enter an integer."},
        {IDC_DCD_DROP_TIME, "255", nullptr},
        {IDC_DCD_DROP_TIME, "256", "Data entered is out of range."},
        {IDC_DCD_DROP_TIME, "7x", "Please enter an integer."},
    };
    const auto start = [this] {
        StartOn(sheet.m_portCtrlCfgPage1, 3, 13);
        ASSERT_TRUE(wizard.Type(IDC_DTR_DETECT_TIME, "5"));
        ASSERT_TRUE(wizard.Type(IDC_DCD_DROP_TIME, "7"));
    };
    ExpectValuesCheckedBothWays(rows, start, sheet.m_portCtrlCfgPage2, sheet.m_storedNumbersPage);
}

TEST_F(PortCtrlCfgPagesTest, TimeEditsTakeNoMoreThanFiveCharacters)
{
    StartOn(sheet.m_portCtrlCfgPage1, 3, 13);
    for (int edit : {IDC_DTR_DETECT_TIME, IDC_DCD_DROP_TIME})
    {
        ASSERT_TRUE(wizard.Type(edit, "1234567"));
        EXPECT_EQ(wizard.Control(edit)->GetWindowText(), "12345");
    }
}

TEST_F(PortCtrlCfgPagesTest,
       SignalListsOfferTheirTexts_AndEveryControlMarksTheConfigurationModified)
{
    sheet.m_portCtrlCfgPage1.m_strCTS = "Always On";
    StartOn(sheet.m_portCtrlCfgPage1, 3, 13);
    const std::vector<std::string> sameTexts = {"Normal", "Always On", "Momentary Drop"};
    EXPECT_EQ(ItemsOf(IDC_DTR_SIGNAL),
              (std::vector<std::string>{"Normal", "Ignore", "Reset On DTR"}));
    EXPECT_EQ(ItemsOf(IDC_DSR_SIGNAL), sameTexts);
    EXPECT_EQ(ItemsOf(IDC_CTS_SIGNAL), sameTexts);
    EXPECT_EQ(ItemsOf(IDC_DCD_SIGNAL), sameTexts);
    EXPECT_EQ(SelectionOf(IDC_CTS_SIGNAL), "Always On");

    for (int combo : {IDC_DTR_SIGNAL, IDC_DSR_SIGNAL, IDC_CTS_SIGNAL, IDC_DCD_SIGNAL})
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Select(combo, 2));
        EXPECT_TRUE(g_bCfgModified) << combo;
    }
    for (int edit : {IDC_DTR_DETECT_TIME, IDC_DCD_DROP_TIME})
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Type(edit, "9"));
        EXPECT_TRUE(g_bCfgModified) << edit;
    }
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(sheet.m_portCtrlCfgPage1.m_strCTS, "Momentary Drop");
}

TEST_F(PortCtrlCfgPagesTest, FormatPageOffersItsListsAndMarksTheConfigurationModified)
{
    sheet.m_portCtrlCfgPage2.m_strBitRate = "57600";
    StartOn(sheet.m_portCtrlCfgPage2, 3, 13);
    EXPECT_EQ(ItemsOf(IDC_PARITY),
              (std::vector<std::string>{"Odd", "Even", "None", "MARK", "Space"}));
    EXPECT_EQ(ItemsOf(IDC_DATA_BITS), (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(SelectionOf(IDC_BIT_RATE), "57600");
    for (int combo = IDC_SYNC_MODE; combo <= IDC_FLOW_CONTROL; ++combo)
    {
        g_bCfgModified = FALSE;
        ASSERT_TRUE(wizard.Select(combo, 1));
        EXPECT_TRUE(g_bCfgModified) << combo;
    }
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_portCtrlCfgPage1);
    EXPECT_EQ(sheet.m_portCtrlCfgPage2.m_strBitRate, "1200");
    EXPECT_EQ(sheet.m_portCtrlCfgPage2.m_strFlowControl, "XON/XOFF");
}

} // namespace
