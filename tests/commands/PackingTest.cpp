#include "src/commands/CfgParam.h"

#include "src/commands/ChoiceTables.h"
#include "tests/support/MessageBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// A catalogue of text parameters bound to texts of the test, each packed as its own text (the
// prefix is empty), so that fragment lengths are exactly chosen.
class Packing : public ::testing::Test
{
protected:
    void SetUp() override { UseWizardResources(); }

    std::string& AddText(const std::string& prefix = "")
    {
        m_values.push_back(std::make_unique<std::string>());
        std::string* value = m_values.back().get();
        m_params.Add(new CCfgParam("", &m_section, "Key" + std::to_string(m_params.GetCount()),
                                   1000 + m_params.GetCount(), "", value, 100, "", prefix));
        return *value;
    }

    std::vector<std::string> Pack() const
    {
        std::vector<std::string> lines;
        m_params.PackCommandLines(lines);
        return lines;
    }

    std::string m_section;
    std::vector<std::unique_ptr<std::string>> m_values;
    CCfgParamList m_params;
};

TEST_F(Packing, OnlyStoreCommand_WhenCatalogueEmptyOrAllDisabled)
{
    EXPECT_EQ(Pack(), std::vector<std::string>{"AT&W0\r\n"});
    AddText() = "X";
    AddText() = "Y";
    for (POSITION position = m_params.GetHeadPosition(); position != nullptr;)
        m_params.GetNext(position)->m_bEnabled = FALSE;
    EXPECT_EQ(Pack(), std::vector<std::string>{"AT&W0\r\n"});
}

TEST_F(Packing, OneLineOf29_WhenFragmentsTotal27)
{
    AddText() = std::string(20, 'a');
    AddText() = std::string(7, 'b');
    const std::vector<std::string> expected = {
        "AT" + std::string(20, 'a') + std::string(7, 'b') + "\r\n", "AT&W0\r\n"};
    EXPECT_EQ(Pack(), expected);
}

TEST_F(Packing, LineClosedWithCarriageReturnOnly_WhenFragmentsTotal28)
{
    AddText() = std::string(20, 'a');
    AddText() = std::string(8, 'b');
    const std::vector<std::string> expected = {"AT" + std::string(20, 'a') + "\r",
                                               "AT" + std::string(8, 'b') + "\r\n", "AT&W0\r\n"};
    EXPECT_EQ(Pack(), expected);
}

TEST_F(Packing, LineLongerThanLimit_When30CharacterFragment)
{
    AddText("*!N1=") = std::string(25, '7');
    AddText() = "S0=1";
    const std::vector<std::string> expected = {"AT\r", "AT*!N1=" + std::string(25, '7') + "\r",
                                               "ATS0=1\r\n", "AT&W0\r\n"};
    EXPECT_EQ(Pack(), expected);
}

TEST_F(Packing, EmptyFragmentClosesOverlongLine_WhenLengthTestRuns)
{
    AddText() = std::string(30, 'x');
    AddText("");
    const std::vector<std::string> expected = {"AT\r", "AT" + std::string(30, 'x') + "\r",
                                               "AT&W0\r\n"};
    EXPECT_EQ(Pack(), expected);
}

TEST_F(Packing, SecondPackingShowsNewValue_WhenMemberChangedBetween)
{
    std::string& value = AddText("&Z1=");
    value = "123";
    std::vector<std::string> lines;
    m_params.PackCommandLines(lines);
    value = "456";
    m_params.PackCommandLines(lines);
    const std::vector<std::string> expected = {"AT&Z1=123\r\n", "AT&W0\r\n", "AT&Z1=456\r\n",
                                               "AT&W0\r\n"};
    EXPECT_EQ(lines, expected);
}

TEST_F(Packing, DisabledParameterLeftOut_WhenBetweenEnabledOnes)
{
    AddText("A=") = "1";
    AddText("B=") = "2";
    AddText("C=") = "3";
    m_params.FindParam(1001)->m_bEnabled = FALSE;
    const std::vector<std::string> expected = {"ATA=1C=3\r\n", "AT&W0\r\n"};
    EXPECT_EQ(Pack(), expected);
}

} // namespace
