#include "sim/Adapter.h"
#include "src/identify/DeviceTable.h"
#include "src/identify/PortWorkers.h"
#include "src/identify/devid.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace serial_testing;

namespace
{
class Identify : public SerialTest
{
protected:
    // Starts a simulated adapter and makes it COM`number`.
    sim::Adapter& Attach(int number, sim::Options options)
    {
        options.clockRate = static_cast<int>(ClockRate());
        m_adapters.push_back(sim::Adapter::Start(options));
        sim::Adapter* adapter = m_adapters.back().get();
        EXPECT_NE(adapter, nullptr) << options.model;
        if (adapter)
            ports().Link(number, adapter->DevicePath());
        return *adapter;
    }

    // Identifies COM`first`... on worker threads at once, one record per port, and waits for all.
    std::vector<std::unique_ptr<DeviceRecord>> IdentifyAll(int first, int count)
    {
        std::vector<std::unique_ptr<DeviceRecord>> records;
        for (int number = first; number < first + count; ++number)
        {
            records.push_back(std::make_unique<DeviceRecord>());
            std::snprintf(records.back()->portPath, sizeof records.back()->portPath, "\\\\.\\COM%d",
                          number);
            EXPECT_TRUE(StartIdentifyWorker(records.back().get()));
        }
        for (const auto& record : records)
            EXPECT_EQ(WaitForSingleObject(record->hThread, 60000), WAIT_OBJECT_0);
        return records;
    }

    std::vector<std::unique_ptr<sim::Adapter>> m_adapters;
};

sim::Options Model(const std::string& name)
{
    sim::Options options;
    options.model = name;
    return options;
}
} // namespace

TEST_F(Identify, EveryPreset_IsIdentifiedAsItsDeviceTableRow_AndAModemIsNot)
{
    const std::vector<std::string> presets = sim::PresetNames();
    ASSERT_EQ(presets.size(), 27u);
    for (size_t i = 0; i < presets.size(); ++i)
        Attach(static_cast<int>(i) + 1, Model(presets[i]));

    const auto records = IdentifyAll(1, static_cast<int>(presets.size()));
    for (size_t i = 0; i + 1 < presets.size(); ++i)
    {
        SCOPED_TRACE(presets[i]);
        EXPECT_EQ(records[i]->result.load(), 0);
        EXPECT_EQ(records[i]->status.load(), 0);
        EXPECT_EQ(FindDevice(records[i]->modelCode, records[i]->extModelCode), static_cast<int>(i));
    }
    EXPECT_EQ(records.back()->result.load(), 3) << "modem";
    EXPECT_EQ(records.back()->status.load(), 3);
    EXPECT_EQ(records.back()->modelCode, devid_kUnknown);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM1> ATI2 Resp KESTRAST\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM1> Model 3: KESTRAST\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM1> ATI20 Resp 8-bit KESTRAST\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM1> ExtendedModel 13: 8-bit KESTRAST\n"), std::string::npos);
    EXPECT_NE(log.find(")]: devid_GetModel: 8-BIT KESTRAST Found Match 8-BIT KESTRAST\n"),
              std::string::npos);
    EXPECT_NE(log.find(")]: devid_GetModel: 8-BIT KESTRAST No Match MIRELO\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM27> devid_GetModel Failed, resp 56000 Data/Fax Modem\n"),
              std::string::npos);
    EXPECT_NE(log.find(")]: devid_GetModem returning devid_kUnknown\n"), std::string::npos);
    EXPECT_EQ(Occurrences(log, "nReturnStatus 0\n"), 26);
    EXPECT_NE(log.find("[src/identify/devid.cpp ("), std::string::npos);
}

TEST_F(Identify, OptionQuery_GivesZeroEightOrSeven_AndOnlyForTheBareFamilyName)
{
    sim::Options zeroOption = Model("ZOBRA-2S without V.110");
    zeroOption.optionAnswer = "0";
    Attach(1, zeroOption);
    sim::Options withOption = Model("ZOBRA-2S without V.110");
    withOption.optionAnswer = "1";
    Attach(2, withOption);
    sim::Options noAnswer = Model("ZANDI-2U");
    noAnswer.faults.optionSilent = true;
    Attach(3, noAnswer);
    sim::Options longerName = Model("ZANDI-2U");
    longerName.modelLine = "ZANDI-TA Rev. 2";
    longerName.faults.optionSilent = true; // would give 7 if AT%I were asked
    Attach(4, longerName);

    const auto records = IdentifyAll(1, 4);
    EXPECT_EQ(records[0]->result.load(), 0);
    EXPECT_EQ(records[1]->result.load(), 8);
    EXPECT_EQ(records[2]->result.load(), 7);
    EXPECT_EQ(records[3]->result.load(), 0);
    EXPECT_EQ(records[3]->modelCode, 7);
    EXPECT_EQ(records[3]->extModelCode, 20);
    EXPECT_EQ(records[2]->modelCode, 7) << "the codes stay when the option query fails";
    EXPECT_EQ(records[2]->extModelCode, 20);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM2> nReturnStatus 8\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM3> nReturnStatus 7\n"), std::string::npos);
    EXPECT_EQ(Occurrences(log, "<COM4> [AT%I\\r]"), 0);
}

TEST_F(Identify, RepliesAreUpperCased_AndMissingOrUnknownLinesFail)
{
    sim::Options lowerCase = Model("KESTRAST-USB");
    lowerCase.modelLine = "kestrast-usb";
    lowerCase.extendedModelLine = "kestrast-usb";
    Attach(1, lowerCase);
    sim::Options noModelLine = Model("KESTRAST/13");
    noModelLine.modelLine = "";
    Attach(2, noModelLine);
    sim::Options unknownExtended = Model("KESTRAST/13");
    unknownExtended.extendedModelLine = "Prototype board";
    Attach(3, unknownExtended);
    sim::Options noExtendedLine = Model("KESTRAST/13");
    noExtendedLine.extendedModelLine = "";
    Attach(4, noExtendedLine);
    sim::Options echoOff = Model("KESTRAST/15");
    echoOff.echo = false;
    Attach(5, echoOff);

    const auto records = IdentifyAll(1, 5);
    EXPECT_EQ(records[0]->result.load(), 0);
    EXPECT_EQ(records[0]->modelCode, 10);
    EXPECT_EQ(records[0]->extModelCode, 34);
    EXPECT_EQ(records[1]->result.load(), 3);
    EXPECT_EQ(records[1]->modelCode, 1);
    EXPECT_EQ(records[2]->result.load(), 3);
    EXPECT_EQ(records[2]->modelCode, 3);
    EXPECT_EQ(records[2]->extModelCode, devid_kUnknown);
    EXPECT_EQ(records[3]->result.load(), 0) << "a bare OK to ATI20 is extended model 2";
    EXPECT_EQ(records[3]->extModelCode, 2);
    EXPECT_EQ(records[4]->result.load(), 0) << "identification turns echo on first";
    EXPECT_EQ(records[4]->extModelCode, 15);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: devid_GetModel: KESTRAST-USB Found Match KESTRAST-USB\n"),
              std::string::npos);
    EXPECT_NE(log.find(")]: <COM2> devid_GetModel Failed, resp OK\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM3> Model 3: KESTRAST\n"), std::string::npos);
    EXPECT_EQ(Occurrences(log, "<COM3> nReturnStatus"), 0);
}

TEST_F(Identify, MissingPortOrPortInUse_GiveStatusTwo_AndASilentPortThree)
{
    Attach(1, Model("KESTRAST/13"));
    sim::Options silent = Model("KESTRAST/13");
    silent.faults.silent = true;
    Attach(2, silent);
    urs_Port holder;
    ASSERT_EQ(urs_OpenPort(&holder, ComName(1).c_str()), 0);

    DeviceRecord inUse;
    EXPECT_EQ(IdentifyOnPort(inUse, ComName(1).c_str()), 2);
    EXPECT_EQ(inUse.status.load(), 2);
    DeviceRecord missing;
    EXPECT_EQ(IdentifyOnPort(missing, ComName(9).c_str()), 2);
    urs_ClosePort(&holder);

    const ClockWatch watch = StartWatch();
    DeviceRecord silentRecord;
    EXPECT_EQ(IdentifyOnPort(silentRecord, ComName(2).c_str()), 3);
    // The 2 s pause, 2 s for the attention and 5 s for the echo command.
    EXPECT_GE(watch.Seconds(), 8.9);
    EXPECT_LT(watch.CpuSeconds(), 1.0) << "the waits must not spin";

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM2> urs_TimeoutTimerExpired\n"), std::string::npos);
    EXPECT_NE(log.find(")]: <COM2> devid_SetEcho Failed\n"), std::string::npos);
}

TEST_F(Identify, NoiseWithFFBytes_IsReadAsCharacters_AndAHangUpFailsTheIdentification)
{
    sim::Options garbage = Model("KESTRAST/14");
    garbage.faults.garbage = true;
    Attach(1, garbage);
    sim::Options hangUp = Model("KESTRAST/14");
    hangUp.faults.hangupAfterLines = 2;
    Attach(2, hangUp);

    const auto records = IdentifyAll(1, 2);
    // The noise (0xFF bytes among it) comes between the echo and the reply line.
    EXPECT_EQ(records[0]->result.load(), 0);
    EXPECT_EQ(records[0]->extModelCode, 14);
    EXPECT_EQ(records[1]->result.load(), 3);
    EXPECT_EQ(records[1]->status.load(), 3);
}

TEST_F(Identify, AMegabyteWithoutLineEnd_NeitherOverflowsNorEndsTheExchangeEarly)
{
    sim::Options flood = Model("KESTRAST/13");
    flood.faults.floodBytes = 1 << 20;
    Attach(1, flood);
    urs_Port port;
    ASSERT_EQ(urs_OpenPort(&port, ComName(1).c_str()), 0);
    ASSERT_EQ(urs_SetUart(&port, CBR_57600, 8, NOPARITY, ONESTOPBIT, 0), 0);

    char reply[devid_kShortReplySize + 4];
    std::memset(reply, '#', sizeof reply);
    const ClockWatch watch = StartWatch();
    EXPECT_EQ(devid_Attention(&port, reply, devid_kShortReplySize, 2), 0);
    EXPECT_GE(watch.Seconds(), 1.9);
    EXPECT_EQ(std::string(reply), std::string(devid_kShortReplySize - 1, 'X'));
    EXPECT_EQ(std::string(reply + devid_kShortReplySize, 4), "####");
    urs_ClosePort(&port);
    const std::string log = CloseLogAndRead();
    // The timer runs out either between two characters or inside a read. A machine fast enough
    // to log more than the log takes (a line per byte) finds it cut before that line.
    const int timeouts = Occurrences(log, ")]: <COM1> urs_TimeoutTimerExpired\n") +
                         Occurrences(log, ")]: <COM1> urs_GetChar returned urs_cTimeout\n");
    if (Occurrences(log, ")]: Log cut at ") == 0)
        EXPECT_EQ(timeouts, 1);
    else
        EXPECT_LE(timeouts, 1);
}

TEST(IdentifyRecord, Copy_TakesPortAndTheFiveIntegers_AndKeepsItsOwnCommandLines)
{
    DeviceRecord found;
    std::snprintf(found.portPath, sizeof found.portPath, "\\\\.\\COM3");
    found.result = 0;
    found.hThread = reinterpret_cast<HANDLE>(42);
    found.status = 0;
    found.modelCode = 8;
    found.extModelCode = 23;
    found.cmdLines = {"ATS0=1\r\n"};

    DeviceRecord current;
    current.cmdLines = {"AT&W0\r\n"};
    current = found;
    EXPECT_STREQ(current.portPath, "\\\\.\\COM3");
    EXPECT_EQ(current.result.load(), 0);
    EXPECT_EQ(current.hThread, reinterpret_cast<HANDLE>(42));
    EXPECT_EQ(current.status.load(), 0);
    EXPECT_EQ(current.modelCode, 8);
    EXPECT_EQ(current.extModelCode, 23);
    EXPECT_EQ(current.cmdLines, std::vector<std::string>{"AT&W0\r\n"});
}
