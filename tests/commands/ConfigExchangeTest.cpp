#include "sim/Adapter.h"
#include "src/commands/config.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace serial_testing;

namespace
{
class ConfigExchange : public SerialTest
{
protected:
    // Starts a simulated adapter as COM`number` and opens it at 57600 8-N-1 into `port`.
    std::unique_ptr<sim::Adapter> OpenAdapter(int number, sim::Options options, urs_Port& port)
    {
        options.clockRate = static_cast<int>(ClockRate());
        auto adapter = sim::Adapter::Start(options);
        EXPECT_NE(adapter, nullptr);
        if (!adapter)
            return adapter;
        ports().Link(number, adapter->DevicePath());
        EXPECT_EQ(urs_OpenPort(&port, ComName(number).c_str()), 0);
        EXPECT_EQ(urs_SetUart(&port, CBR_57600, 8, NOPARITY, ONESTOPBIT, 0), 0);
        return adapter;
    }
};

bool MatchesAtLastCharacter(const std::string& stream)
{
    TextMatcher matcher;
    matcher.Reset("OK\r\n");
    for (size_t i = 0; i < stream.size(); ++i)
        if (matcher.Feed(static_cast<unsigned char>(stream[i])))
            return i + 1 == stream.size();
    return false;
}
} // namespace

TEST(TextMatcherTest, FindsThePattern_AlsoWhenABrokenPartialMatchStartsANewOne)
{
    EXPECT_TRUE(MatchesAtLastCharacter("OK\r\n"));
    EXPECT_TRUE(MatchesAtLastCharacter("OOK\r\n"));
    EXPECT_TRUE(MatchesAtLastCharacter("ATS0=1\r\r\nOK\rOK\r\n"));
    EXPECT_TRUE(MatchesAtLastCharacter("\r\nERROR\r\nOK\r\n"));
    EXPECT_FALSE(MatchesAtLastCharacter("O K\r\n"));
    EXPECT_FALSE(MatchesAtLastCharacter("\r\nERROR\r\n"));

    TextMatcher matcher;
    matcher.Reset("OK\r\n");
    for (char c : std::string("OK\r\n"))
        matcher.Feed(c);
    EXPECT_TRUE(matcher.Feed('x')) << "once seen, stays seen";
}

TEST_F(ConfigExchange, EveryLineIsSentAndAcknowledged_InOrder)
{
    urs_Port port;
    auto adapter = OpenAdapter(1, {}, port);
    const std::vector<std::string> lines = {"AT!C0=2S0=1\r", "AT&Z0=5551234\r\n", "AT&W0\r\n"};
    EXPECT_EQ(config_SendStrings(&port, lines), config_kSent);
    urs_ClosePort(&port);
    EXPECT_EQ(adapter->ReceivedLines(),
              (std::vector<std::string>{"AT!C0=2S0=1", "AT&Z0=5551234", "AT&W0"}));

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find("[src/commands/config.cpp ("), std::string::npos);
    EXPECT_NE(log.find(")]: <COM1>  Config String: AT!C0=2S0=1\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM1>  Config String: AT&W0\r\n\n"), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM1>  Got OK for Config String: AT&W0\r\n\n"), std::string::npos);
}

TEST_F(ConfigExchange, EmptyList_ReturnsOneWithoutTouchingThePort)
{
    urs_Port neverOpened;
    EXPECT_EQ(config_SendStrings(&neverOpened, {}), config_kSent);
    EXPECT_EQ(CloseLogAndRead(), "");
}

TEST_F(ConfigExchange, RefusedLine_FailsAtOnceAndIsLogged_WhileSilenceWaitsOutItsTime)
{
    urs_Port refusing;
    sim::Options errorOnSecond;
    errorOnSecond.faults.errorOnLine = 2;
    auto refusingAdapter = OpenAdapter(1, errorOnSecond, refusing);
    urs_Port silent;
    sim::Options neverAnswers;
    neverAnswers.faults.silent = true;
    auto silentAdapter = OpenAdapter(2, neverAnswers, silent);
    urs_Port hungUp;
    auto hungUpAdapter = OpenAdapter(3, {}, hungUp);
    hungUpAdapter->HangUp();

    // The silent port waits its 10 seconds while the other two run.
    const ClockWatch watch = StartWatch();
    int silentResult = 0;
    double silentSeconds = 0;
    std::thread waiting([&] {
        silentResult = config_SendStrings(&silent, {"ATS0=1\r", "AT&W0\r\n"});
        silentSeconds = watch.Seconds();
    });
    const std::vector<std::string> lines = {"ATS0=1\r", "AT!C0=99\r\n", "AT&W0\r\n"};
    EXPECT_EQ(config_SendStrings(&refusing, lines), config_kSendFailed);
    EXPECT_LT(watch.Seconds(), 3.0) << "a refused line must not wait for an OK";
    EXPECT_EQ(config_SendStrings(&hungUp, {"AT&W0\r\n"}), config_kSendFailed);
    waiting.join();
    EXPECT_EQ(silentResult, config_kNoOK);
    EXPECT_GE(silentSeconds, 9.9);
    EXPECT_LT(silentSeconds, 13.0);
    EXPECT_EQ(refusingAdapter->ReceivedLines(), (std::vector<std::string>{"ATS0=1", "AT!C0=99"}));
    EXPECT_EQ(silentAdapter->ReceivedLines(), (std::vector<std::string>{"ATS0=1"}));
    urs_ClosePort(&refusing);
    urs_ClosePort(&silent);
    urs_ClosePort(&hungUp);

    const std::string log = CloseLogAndRead();
    EXPECT_EQ(Occurrences(log, "<COM1>  Got OK for Config String:"), 1) << log;
    EXPECT_NE(log.find(")]: <COM1>  Got ERROR for Config String: AT!C0=99\r\n\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Occurrences(log, "Got ERROR"), 1);
    EXPECT_EQ(Occurrences(log, "<COM2>  Got OK for Config String:"), 0);
    EXPECT_EQ(Occurrences(log, "<COM3>  Got OK for Config String:"), 0);
    EXPECT_NE(log.find(")]: <COM3>:  Write File Error "), std::string::npos);
}

TEST_F(ConfigExchange, WaitForOK_TellsAnErrorResultFromAnOK_WhateverComesBeforeIt)
{
    PseudoTerminal terminal;
    ports().Link(4, terminal.SlavePath());
    urs_Port port;
    ASSERT_EQ(urs_OpenPort(&port, ComName(4).c_str()), 0);
    const struct
    {
        const char* reply;
        int result;
    } rows[] = {
        {"ATS0=1\r\r\nERROR\r\n", config_kGotError},
        {"ATS0=1\r\r\n\r\nERROR\r\n", config_kGotError},
        {"ATZ=ERROR\r\r\nOK\r\n", config_kGotOK}, // ERROR without its line ends is no result
        {"ATS0=1\r\r\nOK\r\n\r\nERROR\r\n", config_kGotOK}, // the first result counts (last row:
                                                            // the ERROR stays unread)
    };
    for (const auto& row : rows)
    {
        terminal.Send(row.reply);
        EXPECT_EQ(config_WaitForOK(&port, 2), row.result) << row.reply;
    }
    urs_ClosePort(&port);
}

TEST_F(ConfigExchange, WaitForOK_OnADeadLine_LogsTheReadErrorOnce_AndWaitsOutItsTime)
{
    PseudoTerminal terminal;
    ports().Link(3, terminal.SlavePath());
    urs_Port port;
    ASSERT_EQ(urs_OpenPort(&port, ComName(3).c_str()), 0);
    terminal.Send("ATS0=1\r\r\nOOK\r\n");
    EXPECT_EQ(config_WaitForOK(&port, 2), 1);

    terminal.CloseMaster();
    const ClockWatch watch = StartWatch();
    EXPECT_EQ(config_WaitForOK(&port, 2), 2);
    EXPECT_GE(watch.Seconds(), 1.9);
    EXPECT_LT(watch.CpuSeconds(), 0.5);
    EXPECT_FALSE(urs_TimeoutTimerExpired(&port)) << "the timer is disarmed again";
    urs_ClosePort(&port);

    const std::string log = CloseLogAndRead();
    EXPECT_EQ(Occurrences(log, "]: Read File Error ("), 1) << log;
}
