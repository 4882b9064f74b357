#include "src/commands/CmdItem.h"

#include "src/commands/ChoiceTables.h"
#include "tests/support/MessageBoxes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class CmdItem : public ::testing::Test
{
protected:
    void SetUp() override { UseWizardResources(); }
};

TEST_F(CmdItem, PrefixAndSignedDecimal_WhenIntFormatted)
{
    int value = 5;
    CCmdIntItem item("S25=", &value);
    EXPECT_EQ(item.Fragment(), "");
    item.Format();
    EXPECT_EQ(item.Fragment(), "S25=5");
    value = -3;
    item.Format();
    EXPECT_EQ(item.Fragment(), "S25=-3");
    item.Format();
    EXPECT_EQ(item.Fragment(), "S25=-3");
    EXPECT_EQ(item.Prefix(), "S25=");
}

TEST_F(CmdItem, TextUnchanged_WhenTextFormatted)
{
    std::string value;
    CCmdTextItem item("!C6=", &value);
    item.Format();
    EXPECT_EQ(item.Fragment(), "!C6=");
    value = " 12 34 ";
    item.Format();
    EXPECT_EQ(item.Fragment(), "!C6= 12 34 ");
}

TEST_F(CmdItem, RowValue_WhenChoiceTextMatchesIgnoringCase)
{
    std::string value = "ni - 1";
    CCmdChoiceItem item("!C0=", &value, kSwitchTypeChoices);
    item.Format();
    EXPECT_EQ(item.Fragment(), "!C0=5");
    value = "INS64";
    item.Format();
    EXPECT_EQ(item.Fragment(), "!C0=4");
}

TEST_F(CmdItem, EarlierFragmentKept_WhenChoiceTextHasNoRow)
{
    std::string value = "1TR6";
    CCmdChoiceItem fresh("!C0=", &value, kSwitchTypeChoices);
    fresh.Format();
    EXPECT_EQ(fresh.Fragment(), "");

    value = "NET3";
    CCmdChoiceItem formatted("!C0=", &value, kSwitchTypeChoices);
    formatted.Format();
    value = "1TR6";
    formatted.Format();
    EXPECT_EQ(formatted.Fragment(), "!C0=2");
}

TEST_F(CmdItem, OneOrZero_WhenYesNoFormatted)
{
    int value = 7;
    CCmdYesNoItem item("S0=", &value, kYesNoChoices);
    item.Format();
    EXPECT_EQ(item.Fragment(), "S0=1");
    value = 0;
    item.Format();
    EXPECT_EQ(item.Fragment(), "S0=0");
    value = -1;
    item.Format();
    EXPECT_EQ(item.Fragment(), "S0=1");
}

TEST_F(CmdItem, ThreeRowDialToneTable_WhenCentralOfficeToneFormatted)
{
    std::string value = "use central office dial tone";
    CCmdChoiceItem item("S45=", &value, kDialToneChoices);
    item.Format();
    EXPECT_EQ(item.Fragment(), "S45=1");
}

} // namespace
