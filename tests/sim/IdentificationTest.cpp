// The identification dialogue: echo, result codes, and the ATI2 / ATI20 / AT%I lines of every
// preset, read the way the wizard reads them.
#include "sim/Adapter.h"
#include "tests/sim/SimLine.h"

#include <gtest/gtest.h>

#include <cctype>

using sim_testing::SimLine;

namespace
{
struct NameCode
{
    const char* name;
    int code;
};

// The wizard's name tables, in their order: the first name that occurs in a reply wins.
// clang-format off
const NameCode kModelNames[] = {
    {"MIRELO", 4}, {"ZANDI-TA", 7}, {"ZOBRA-TA", 8}, {"PELLOR-S", 9}, {"DIREDEDE-II", 12},
    {"DIREDEDE", 6}, {"KESTRAST-II", 11}, {"KESTRAST-RC", 5}, {"KESTRAST-USB", 10},
    {"KESTRAST", 3}, {"OK", 1},
};
const NameCode kExtendedNames[] = {
    {"MIRELO", 31}, {"DIREDEDE-II", 36}, {"DIREDEDE", 30}, {"16-BIT KESTRAST WITHOUT V.110", 15},
    {"16-BIT KESTRAST", 14}, {"8-BIT KESTRAST", 13}, {"ZANDI-2S REV. 0-A", 18},
    {"ZANDI-2S REV. B+ WITH V.110", 21}, {"ZANDI-2S REV. B+", 19}, {"ZANDI-2U REV. 0", 20},
    {"ZOBRA-2S WITH V.110", 23}, {"ZOBRA-2S", 22}, {"ZOBRA-2U WITH V.110", 25}, {"ZOBRA-2U", 24},
    {"ZOBRA-4S WITH V.110", 27}, {"ZOBRA-4S", 26}, {"ZOBRA-4U WITH V.110", 29}, {"ZOBRA-4U", 28},
    {"REV B", 16}, {"REV D", 17}, {"ISDN TA S/T", 32}, {"UNKNOWN HARDWARE", 33},
    {"KESTRAST-II", 35}, {"KESTRAST-USB", 34}, {"OK", 2},
};

// The device table's (model, extended model) pairs, row by row, as the presets must identify.
struct Row
{
    const char* preset;
    int model;
    int extended;
};
const Row kRows[] = {
    {"KESTRAST/13", 3, 13}, {"KESTRAST/16", 3, 16}, {"KESTRAST/14", 3, 14}, {"KESTRAST/17", 3, 17},
    {"KESTRAST/15", 3, 15}, {"KESTRAST-II", 11, 35}, {"DIREDEDE/30", 6, 30}, {"DIREDEDE/16", 6, 16},
    {"DIREDEDE-II", 12, 36}, {"MIRELO/31", 4, 31}, {"MIRELO/17", 4, 17}, {"KESTRAST-RC", 5, 15},
    {"ZANDI-2S without V.110/18", 7, 18}, {"ZANDI-2S without V.110/19", 7, 19},
    {"ZANDI-2S with V.110", 7, 21}, {"ZANDI-2U", 7, 20},
    {"ZOBRA-2S without V.110", 8, 22}, {"ZOBRA-2S with V.110", 8, 23},
    {"ZOBRA-2U without V.110", 8, 24}, {"ZOBRA-2U with V.110", 8, 25},
    {"ZOBRA-4S", 8, 26}, {"ZOBRA-4S with V.110", 8, 27}, {"ZOBRA-4U", 8, 28},
    {"ZOBRA-4U with V.110", 8, 29}, {"PELLOR-S", 9, 32}, {"KESTRAST-USB", 10, 34},
};
// clang-format on

template <size_t N> int CodeOf(const std::string& reply, const NameCode (&table)[N])
{
    std::string upper;
    for (char c : reply)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const NameCode& row : table)
    {
        if (upper.find(row.name) != std::string::npos)
            return row.code;
    }
    return 37;
}

// The wizard's reading of an answer: the first line after the echoed command, trimmed of
// blanks, tabs and line ends; empty when the answer never gets that far.
std::string ReplyAfterEcho(const std::string& answer)
{
    int state = 0;
    std::string reply;
    for (char c : answer)
    {
        if (state == 0)
            state = c == '\r' ? 1 : c == 'A' ? 2 : 0;
        else if (state == 1)
            state = c == '\n' || c == 'A' ? 2 : 1;
        else if (state == 2)
            state = c == '\r' ? 3 : 2;
        else if (state == 3)
            state = c == '\n' ? 4 : 3;
        else if (state == 4)
        {
            if (c == '\r')
                break;
            reply += c;
        }
    }
    const size_t first = reply.find_first_not_of(" \t\r\n");
    const size_t last = reply.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? "" : reply.substr(first, last - first + 1);
}

std::unique_ptr<sim::Adapter> StartModel(const std::string& model)
{
    sim::Options options;
    options.model = model;
    return sim::Adapter::Start(options);
}
} // namespace

TEST(SimIdentification, AnswersInformationWithEchoAndVerboseResult_WhenEchoIsOn)
{
    const auto adapter = StartModel("KESTRAST/13");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    line.Send("ATI2\r");
    const std::string expected = "ATI2\r\r\nKESTRAST\r\n\r\nOK\r\n";
    EXPECT_EQ(line.ReadCount(expected.size()), expected);
    EXPECT_EQ(line.ReadQuiet(), "");
}

TEST(SimIdentification, EchoesNothing_AfterE0UntilE1)
{
    const auto adapter = StartModel("KESTRAST/13");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ATE0\r"), "ATE0\r\r\nOK\r\n"); // the line itself was still echoed
    EXPECT_EQ(line.Exchange("AT\r"), "\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATE1V1Q0\r"), "\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

TEST(SimIdentification, StartsWithoutEcho_WhenOptionsSayEchoOff)
{
    sim::Options options;
    options.echo = false;
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ATI2\r"), "\r\nKESTRAST\r\n\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATE1V1Q0\r"), "\r\nOK\r\n");
    EXPECT_EQ(ReplyAfterEcho(line.Exchange("ATI2\r")), "KESTRAST");
}

TEST(SimIdentification, GivesNumericAndNoResults_WithV0AndQ1)
{
    const auto adapter = StartModel("MIRELO/31");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    line.Send("ATE0V0\r");
    EXPECT_EQ(line.ReadCount(9), "ATE0V0\r0\r");
    line.Send("ATI2\r");
    EXPECT_EQ(line.ReadUntil("0\r"), "MIRELO\r\n0\r");
    line.Send("ATFOO\r");
    EXPECT_EQ(line.ReadUntil("4\r"), "4\r");
    line.Send("ATQ1\r");
    EXPECT_EQ(line.ReadQuiet(), "");
    line.Send("ATI20\r");
    EXPECT_EQ(line.ReadUntil("\r\n"), "MIRELO\r\n");
    EXPECT_EQ(line.Exchange("ATQ0V1\r"), "\r\nOK\r\n");
}

TEST(SimIdentification, EveryPresetIdentifiesAsItsDeviceTableRow)
{
    const std::vector<std::string> names = sim::PresetNames();
    ASSERT_EQ(names.size(), std::size(kRows) + 1);
    for (size_t row = 0; row < std::size(kRows); ++row)
    {
        SCOPED_TRACE(kRows[row].preset);
        EXPECT_EQ(names[row], kRows[row].preset);
        const auto adapter = StartModel(kRows[row].preset);
        ASSERT_NE(adapter, nullptr);
        SimLine line(adapter->DevicePath());

        line.Exchange("AT\r");
        EXPECT_EQ(ReplyAfterEcho(line.Exchange("ATE1V1Q0\r")), "OK");
        const std::string model = ReplyAfterEcho(line.Exchange("ATI2\r"));
        const std::string extended = ReplyAfterEcho(line.Exchange("ATI20\r"));
        EXPECT_EQ(CodeOf(model, kModelNames), kRows[row].model) << model;
        EXPECT_EQ(CodeOf(extended, kExtendedNames), kRows[row].extended) << extended;
        if (kRows[row].model == 7 || kRows[row].model == 8)
        {
            EXPECT_EQ(model, kRows[row].model == 7 ? "ZANDI-TA" : "ZOBRA-TA");
            EXPECT_EQ(ReplyAfterEcho(line.Exchange("AT%I\r")), "0");
        }
    }
    EXPECT_EQ(names.back(), "modem");
}

TEST(SimIdentification, PlainModemMatchesNoName_AndRefusesOptionQuery)
{
    const auto adapter = StartModel("MODEM");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    const std::string model = ReplyAfterEcho(line.Exchange("ATI2\r"));
    const std::string extended = ReplyAfterEcho(line.Exchange("ATI20\r"));
    EXPECT_FALSE(model.empty());
    EXPECT_EQ(CodeOf(model, kModelNames), 37) << model;
    EXPECT_EQ(CodeOf(extended, kExtendedNames), 37) << extended;
    EXPECT_EQ(line.Exchange("AT%I\r"), "AT%I\r\r\nERROR\r\n");
}

TEST(SimIdentification, FindsPresetIgnoringCase_AndRefusesUnknownModel)
{
    EXPECT_NE(StartModel("zobra-2s WITH v.110"), nullptr);
    EXPECT_NE(StartModel("kestrast/17"), nullptr);
    EXPECT_EQ(StartModel("KESTRAST/99"), nullptr);
    EXPECT_EQ(StartModel("1TR6"), nullptr);

    // A shared display name alone means its first row.
    const auto adapter = StartModel("DIREDEDE");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());
    EXPECT_EQ(CodeOf(ReplyAfterEcho(line.Exchange("ATI20\r")), kExtendedNames), 30);
}

TEST(SimIdentification, AnswersOverriddenLines_AsGiven)
{
    sim::Options options;
    options.model = "KESTRAST/13";
    options.modelLine = " \tkestrast-usb \t";
    options.extendedModelLine = "";
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ATI2\r"), "ATI2\r\r\n \tkestrast-usb \t\r\n\r\nOK\r\n");
    EXPECT_EQ(CodeOf(ReplyAfterEcho(line.Exchange("ATI2\r")), kModelNames), 10);
    // No information line: the first line after the echo is the result itself.
    EXPECT_EQ(line.Exchange("ATI20\r"), "ATI20\r\r\nOK\r\n");
    EXPECT_EQ(CodeOf(ReplyAfterEcho(line.Exchange("ATI20\r")), kExtendedNames), 2);
}

TEST(SimIdentification, AnswersOptionQueryWithConfiguredNumber)
{
    sim::Options options;
    options.model = "ZANDI-2U";
    options.optionAnswer = "1";
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("AT%I\r"), "AT%I\r\r\n1\r\n\r\nOK\r\n");
}

TEST(SimIdentification, TakesCombinedBasicCommandsInLowerCase)
{
    const auto adapter = StartModel("PELLOR-S");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ate1v1q0i2\r"), "ate1v1q0i2\r\r\nPELLOR-S\r\n\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATE2\r"), "ATE2\r\r\nERROR\r\n");
    EXPECT_EQ(line.Exchange("ATI7\r"), "ATI7\r\r\nERROR\r\n");
    EXPECT_EQ(adapter->ReceivedLines(), (std::vector<std::string>{"ate1v1q0i2", "ATE2", "ATI7"}));
}
