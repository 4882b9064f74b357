// The configuration commands: packed lines, value checks, NVRAM storage and restore.
#include "sim/Adapter.h"
#include "tests/sim/SimLine.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

#include <filesystem>

using sim_testing::SimLine;
using testing_support::ReadFile;
using testing_support::TempFolder;

namespace
{
std::unique_ptr<sim::Adapter> StartWith(const std::string& model, const std::string& nvram = "")
{
    sim::Options options;
    options.model = model;
    options.nvramPath = nvram;
    return sim::Adapter::Start(options);
}
} // namespace

TEST(SimConfiguration, AcceptsWorkedExampleLineByLine_AndStoresItInNvram)
{
    TempFolder folder;
    const std::string nvram = folder.File("nvram.txt");
    const auto adapter = StartWith("KESTRAST/13", nvram);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    for (const std::string& command : kWorkedExampleLines)
    {
        SCOPED_TRACE(command);
        std::string echo = command;
        if (echo.back() == '\n')
            echo.pop_back(); // a line feed after the CR is not echoed
        EXPECT_EQ(line.Exchange(command), echo + "\r\nOK\r\n");
    }
    EXPECT_EQ(adapter->ReceivedLines().size(), 9u);
    EXPECT_EQ(adapter->ReceivedLines().back(), "AT&W0");

    const auto settings = adapter->Settings();
    EXPECT_EQ(settings.at("!N1="), "1234");
    EXPECT_EQ(settings.at("*!N1="), "5678");
    EXPECT_EQ(settings.at("!N2="), "");
    EXPECT_EQ(settings.at("$SB"), "115200");
    EXPECT_EQ(settings.at("S61="), "52");
    EXPECT_EQ(settings.at("*!D3="), "240");
    EXPECT_EQ(adapter->StoredSettings(), settings);

    const std::string stored = ReadFile(nvram);
    EXPECT_NE(stored.find("!N1=1234\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("*!N1=5678\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("$SB=115200\n"), std::string::npos) << stored;
    EXPECT_FALSE(std::filesystem::exists(nvram + ".new"));
}

TEST(SimConfiguration, RestoresStoredValues_AtStartAndOnZ)
{
    TempFolder folder;
    const std::string nvram = folder.File("nvram.txt");
    {
        const auto adapter = StartWith("ZOBRA-4S", nvram);
        ASSERT_NE(adapter, nullptr);
        SimLine line(adapter->DevicePath());
        EXPECT_EQ(line.Exchange("ATE0\r"), "ATE0\r\r\nOK\r\n");
        EXPECT_EQ(line.Exchange("AT!C0=6&Z3=0,12-34&5S61=64&W0\r"), "\r\nOK\r\n");
        EXPECT_EQ(line.Exchange("AT!C0=4\r"), "\r\nOK\r\n");
    }
    const auto adapter = StartWith("zobra-4s", nvram);
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->Settings().at("!C0="), "6");
    EXPECT_EQ(adapter->Settings().at("&Z3="), "0,12-34&5");
    EXPECT_EQ(adapter->Settings().at("S61="), "64");

    SimLine line(adapter->DevicePath());
    EXPECT_EQ(line.Exchange("AT!C0=1S61=3\r"), "AT!C0=1S61=3\r\r\nOK\r\n");
    EXPECT_EQ(adapter->Settings().at("!C0="), "1");
    EXPECT_EQ(line.Exchange("ATZ\r"), "ATZ\r\r\nOK\r\n");
    EXPECT_EQ(adapter->Settings().at("!C0="), "6");
    EXPECT_EQ(adapter->Settings().at("S61="), "64");
    EXPECT_EQ(line.Exchange("AT&F\r"), "AT&F\r\r\nOK\r\n");
    EXPECT_EQ(adapter->Settings().at("!C0="), "2");
    EXPECT_EQ(adapter->Settings().at("&Z3="), "");
}

TEST(SimConfiguration, IgnoresBadNvramEntries_KeepingFactoryValues)
{
    TempFolder folder;
    const std::string nvram = folder.File("nvram.txt");
    testing_support::WriteFile(nvram, "!C0=7\nS25=300\n&Z0=1&2\nS30=9\ngarbage\n\xFF\xFE=1\n");
    const auto adapter = StartWith("DIREDEDE/30", nvram);
    ASSERT_NE(adapter, nullptr);

    const auto settings = adapter->Settings();
    EXPECT_EQ(settings.at("!C0="), "5"); // the factory switch type of an NI - 1 adapter
    EXPECT_EQ(settings.at("S25="), "5");
    EXPECT_EQ(settings.at("&Z0="), "");
    EXPECT_EQ(settings.at("S30="), "9");
    EXPECT_EQ(settings.at("S46="), "1");
}

TEST(SimConfiguration, AnswersErrorAndAppliesNothing_ForBadValueOrUnknownCommand)
{
    const auto adapter = StartWith("KESTRAST/13");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());
    line.Exchange("ATE0\r");
    const auto before = adapter->Settings();

    const char* const refused[] = {
        "AT!C0=3\r",  // no such switch type
        "AT!D3=64\r", // TEI between 63 and 240
        "AT*!D3=242\r",
        "ATS0=256\r", // rings beyond 255
        "ATS61=65\r", // throughput beyond 64
        "ATS49=11\r",
        "AT$SB115201\r", // no such bit rate
        "AT!Z=7\r",
        "AT&D2\r",                       // DTR has 0, 1 and 3
        "ATS66=1\r",                     // ring signals 1 and 2 are unused
        "ATS25=\r",                      // a number is missing
        "AT!C6=123456789012345678901\r", // 21 digits
        "AT!N1=12345678901234567890123456\r",
        "AT&Z0=1&2\r",  // stored number 0 takes no ampersand
        "AT!C6=12:3\r", // SPIDs are digits only
        "ATS25=-1\r",
        "AT!C0=2S99=1\r", // the first command is good, the second unknown
        "ATS30=1X\r",
        "AT&Q\r",
        "AT#CID=1\r",
    };
    for (const char* command : refused)
        EXPECT_EQ(line.Exchange(command), "\r\nERROR\r\n") << command;
    EXPECT_EQ(adapter->Settings(), before);
}

TEST(SimConfiguration, ParsesTextValuesUpToTheNextCommand)
{
    const auto adapter = StartWith("KESTRAST/13");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("AT&Z1=12&5&Z2=&&Z3=7,8-9&D3!N1=12:34!N2=\r"),
              "AT&Z1=12&5&Z2=&&Z3=7,8-9&D3!N1=12:34!N2=\r\r\nOK\r\n");
    const auto settings = adapter->Settings();
    EXPECT_EQ(settings.at("&Z1="), "12&5");
    EXPECT_EQ(settings.at("&Z2="), "&");
    EXPECT_EQ(settings.at("&Z3="), "7,8-9");
    EXPECT_EQ(settings.at("&D"), "3");
    EXPECT_EQ(settings.at("!N1="), "12:34");
    EXPECT_EQ(settings.at("!N2="), "");

    // The longest texts allowed, and a register read back.
    EXPECT_EQ(line.Exchange("AT!C6=12345678901234567890*!N1=1234567890123456789012345\r"),
              "AT!C6=12345678901234567890*!N1=1234567890123456789012345\r\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATS0=007S0?\r"), "ATS0=007S0?\r\r\n7\r\n\r\nOK\r\n");
}

TEST(SimConfiguration, KeepsFactoryValuesOfTheModel)
{
    const auto mirelo = StartWith("MIRELO/17");
    const auto zandi = StartWith("ZANDI-2U");
    ASSERT_NE(mirelo, nullptr);
    ASSERT_NE(zandi, nullptr);
    EXPECT_EQ(mirelo->Settings().at("&R"), "0");
    EXPECT_EQ(mirelo->Settings().at("!C0="), "2");
    EXPECT_EQ(zandi->Settings().at("&R"), "1");
    EXPECT_EQ(zandi->Settings().at("!C0="), "5");
    EXPECT_EQ(zandi->Settings().size(), 49u);
}

TEST(SimConfiguration, PlainModemRefusesConfiguration)
{
    const auto adapter = StartWith("modem");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("AT!C0=2\r"), "AT!C0=2\r\r\nERROR\r\n");
    EXPECT_EQ(line.Exchange("AT&W0\r"), "AT&W0\r\r\nOK\r\n");
    EXPECT_TRUE(adapter->Settings().empty());
}

TEST(SimConfiguration, AnswersErrorAndKeepsStoredValues_WhenNvramCannotBeWritten)
{
    TempFolder folder;
    const auto adapter = StartWith("KESTRAST/13", folder.File("missing/nvram.txt"));
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ATS30=4&W0\r"), "ATS30=4&W0\r\r\nERROR\r\n");
    EXPECT_EQ(adapter->Settings().at("S30="), "0");
    EXPECT_EQ(adapter->StoredSettings().at("S30="), "0");
}
