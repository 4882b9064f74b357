#include "sim/Adapter.h"
#include "src/serial/Urswin32.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

using namespace serial_testing;

namespace
{
class Urswin : public SerialTest
{
protected:
    using SerialTest::SerialTest;

    // Opens COM3 on a fresh pseudo-terminal and sets it to the adapter's 57600 8-N-1.
    void OpenOnTerminal()
    {
        ports().Link(3, m_terminal.SlavePath());
        ASSERT_EQ(urs_OpenPort(&m_port, ComName(3).c_str()), 0);
        ASSERT_EQ(urs_SetUart(&m_port, CBR_57600, 8, NOPARITY, ONESTOPBIT, 0), 0);
    }

    PseudoTerminal m_terminal;
    urs_Port m_port;
};

// The program's clock at real time, for tests of the real timing.
class UrswinRealTime : public Urswin
{
protected:
    UrswinRealTime() : Urswin(1) {}
};

std::string Formatted(const std::string& bytes, size_t capacity = urs_kFormatDataSize)
{
    char text[urs_kFormatDataSize + 8];
    std::memset(text, '#', sizeof text);
    urs_FormatData(text, capacity, bytes.data(), static_cast<DWORD>(bytes.size()));
    EXPECT_EQ(text[capacity], '#') << "wrote past its capacity";
    return text;
}
} // namespace

TEST(UrswinText, BaudName_GivesStandardRates_AndNineteenTwoHundredForAnyOther)
{
    EXPECT_STREQ(urs_BaudName(300), "300");
    EXPECT_STREQ(urs_BaudName(57600), "57600");
    EXPECT_STREQ(urs_BaudName(115200), "115200");
    EXPECT_STREQ(urs_BaudName(19200), "19200");
    EXPECT_STREQ(urs_BaudName(14400), "19200");
    EXPECT_STREQ(urs_BaudName(0), "19200");
}

TEST(UrswinText, FormatData_RendersControlBytes_ShowsTwentyBytes_AndStaysInItsBuffer)
{
    EXPECT_EQ(Formatted("AT\r\n"), "AT\\r\\n");
    EXPECT_EQ(Formatted(std::string("\x00\x7f\xff ~", 5)), "\\x00\\x7f\\xff ~");
    EXPECT_EQ(Formatted("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Formatted(std::string(25, '\x01')).size(), 80u);
    EXPECT_EQ(Formatted("AT\r\n", 5), "AT\\r");
    EXPECT_EQ(Formatted("AT\r\n", 4), "AT");
    EXPECT_EQ(Formatted("", 1), "");
}

TEST(UrswinTimer, ElapsedTime_IsRightAcrossASecondsBoundary)
{
    urs_Port port;
    EXPECT_FALSE(urs_TimeoutTimerExpired(&port)) << "a disarmed timer never expires";

    // Start 0.9 s into the previous second: the milliseconds difference is negative.
    struct _timeb now;
    do
    {
        _ftime(&now);
    } while (now.millitm >= 500);
    port.timerStart = now;
    port.timerStart.time -= 1;
    port.timerStart.millitm = 900;
    port.timerLength = 2000; // elapsed is 0.1 to 0.6 s
    EXPECT_FALSE(urs_TimeoutTimerExpired(&port));
    port.timerLength = 50;
    EXPECT_TRUE(urs_TimeoutTimerExpired(&port));

    urs_StartTimeoutTimer(&port, 1);
    EXPECT_FALSE(urs_TimeoutTimerExpired(&port));
    urs_StopTimeoutTimer(&port);
    EXPECT_FALSE(urs_TimeoutTimerExpired(&port));
}

TEST_F(Urswin, OpenOfMissingPort_FailsWithoutAClose_AndPortInUse_FailsWithAccessDenied)
{
    urs_Port missing;
    EXPECT_EQ(urs_OpenPort(&missing, ComName(7).c_str()), urs_cOpenFailed);
    EXPECT_EQ(missing.isOpen, 0);

    OpenOnTerminal();
    urs_Port second;
    EXPECT_EQ(urs_OpenPort(&second, ComName(3).c_str()), urs_cOpenFailed);
    urs_ClosePort(&m_port);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find("]: urs_OpenPort: <COM7>, Invalid Handle Error, GetLastError = 00000002\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("]: urs_OpenPort: <COM3>, Invalid Handle Error, GetLastError = 00000005\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Occurrences(log, "]: Port closed\n"), 1) << "only the opened port is closed";
}

TEST_F(Urswin, HolderKeepsTheAdapter_WhenASecondOpenIsRefused_AHundredTimesUnderLoad)
{
    constexpr int kRounds = 100;
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    ports().Link(4, adapter->DevicePath());
    // Busy threads keep the adapter's thread from running at once, so that the two opens are
    // both still unread when it looks.
    std::atomic<bool> busy{true};
    std::vector<std::thread> load;
    for (int i = 0; i < 2; ++i)
        load.emplace_back([&busy] {
            while (busy.load(std::memory_order_relaxed))
            {
            }
        });
    int unanswered = 0;
    for (int round = 0; round < kRounds; ++round)
    {
        urs_Port holder;
        urs_Port second;
        ASSERT_EQ(urs_OpenPort(&holder, ComName(4).c_str()), 0);
        ASSERT_EQ(urs_OpenPort(&second, ComName(4).c_str()), urs_cOpenFailed);
        // A guard against a hang only: on a clock ten times as fast it still leaves 3 s.
        urs_StartTimeoutTimer(&holder, 30);
        urs_PutStr(&holder, "AT\r");
        std::string reply;
        for (int c = 0; !reply.ends_with("OK\r\n") && (c = urs_GetChar(&holder)) >= 0;)
            reply += static_cast<char>(c);
        urs_StopTimeoutTimer(&holder);
        urs_ClosePort(&holder);
        unanswered += !reply.ends_with("OK\r\n");
    }
    busy = false;
    for (std::thread& thread : load)
        thread.join();
    EXPECT_EQ(unanswered, 0) << "of " << kRounds << " rounds";
}

TEST_F(Urswin, OpenSetUartAndClose_LogEachStep_AndGoOnWithoutModemLines)
{
    OpenOnTerminal();
    EXPECT_EQ(m_port.isOpen, 1);
    EXPECT_STREQ(m_port.displayName, "COM3");
    urs_ClosePort(&m_port);
    EXPECT_EQ(m_port.isOpen, 1) << "closing leaves the open flag as it is";

    const std::string log = CloseLogAndRead();
    // A pseudo-terminal has no RTS or DTR: the layer says so and carries on.
    EXPECT_NE(log.find("[src/serial/Urswin32.cpp ("), std::string::npos) << log;
    EXPECT_NE(log.find(")]: urs_OpenPort: <COM3>, Unable to set RTS high\n"), std::string::npos);
    EXPECT_NE(log.find(")]: urs_OpenPort: <COM3>, Unable to set DTR high\n"), std::string::npos);
    EXPECT_NE(log.find(")]: Port opened <COM3>\n"), std::string::npos);
    EXPECT_NE(log.find(")]: Uart setup at baud rate 57600\n"), std::string::npos);
    EXPECT_NE(log.find(")]: urs_ClosePort: Unable to lower DTR\n"), std::string::npos);
    EXPECT_NE(log.find(")]: Port closed\n"), std::string::npos);
    EXPECT_LT(log.find("Port opened"), log.find("Uart setup"));
}

TEST_F(Urswin, PutStr_SendsEveryByte_AndLogsTheFirstTwenty)
{
    OpenOnTerminal();
    const std::string line = "AT!C0=1S0=2&Z0=123456789\r\n"; // 26 bytes
    EXPECT_EQ(urs_PutStr(&m_port, line.c_str()), 0);
    EXPECT_EQ(m_terminal.Receive(line.size()), line);
    urs_ClosePort(&m_port);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM3> [AT!C0=1S0=2&Z0=12345]\n"), std::string::npos) << log;
}

TEST_F(Urswin, GetChar_ReturnsEveryByteValue_IncludingFF_AndTimesOutOnSilence)
{
    OpenOnTerminal();
    m_terminal.Send(std::string("\xff\x80\x00"
                                "A",
                                4));
    urs_StartTimeoutTimer(&m_port, 2);
    EXPECT_EQ(urs_GetChar(&m_port), 255);
    EXPECT_EQ(urs_GetChar(&m_port), 128);
    EXPECT_EQ(urs_GetChar(&m_port), 0);
    EXPECT_TRUE(urs_CharsWaiting(&m_port));
    EXPECT_EQ(urs_GetChar(&m_port), 'A');
    EXPECT_FALSE(urs_CharsWaiting(&m_port));

    // A byte picked up by the wait is handed out by the next read, and logged there.
    std::thread sender([this] {
        Sleep(100);
        m_terminal.Send("K");
    });
    EXPECT_TRUE(urs_WaitForChar(&m_port));
    sender.join();
    EXPECT_TRUE(urs_CharsWaiting(&m_port));
    EXPECT_EQ(urs_GetChar(&m_port), 'K');
    urs_StopTimeoutTimer(&m_port);
    urs_ClosePort(&m_port);

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM3>, [1], pData [\\xff]\n"), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM3>, [1], pData [K]\n"), std::string::npos) << log;
}

TEST_F(UrswinRealTime, TenSecondsOfSilence_EndInAboutTenSeconds_WithoutUsingTheProcessor)
{
    OpenOnTerminal();
    const ClockWatch watch = StartWatch();
    urs_StartTimeoutTimer(&m_port, 10);
    int reads = 0;
    int c = 0;
    while ((c = urs_GetChar(&m_port)) != urs_cTimeout)
        ++reads;
    EXPECT_EQ(reads, 0);
    EXPECT_FALSE(urs_WaitForChar(&m_port)) << "an expired timer leaves nothing to wait for";
    const double seconds = watch.Seconds();
    EXPECT_GE(seconds, 9.9);
    EXPECT_LT(seconds, 13.0);
    EXPECT_LT(watch.CpuSeconds(), 1.0);
    urs_ClosePort(&m_port);
}

TEST_F(Urswin, HungUpLine_FailsReadsAndWrites_AndTheWaitSleepsOutTheTimer)
{
    OpenOnTerminal();
    m_terminal.CloseMaster();
    urs_StartTimeoutTimer(&m_port, 1);
    EXPECT_EQ(urs_GetChar(&m_port), urs_cCommError);

    const ClockWatch watch = StartWatch();
    EXPECT_FALSE(urs_WaitForChar(&m_port));
    EXPECT_GE(watch.Seconds(), 0.5);
    EXPECT_LT(watch.CpuSeconds(), 0.3);

    urs_StartTimeoutTimer(&m_port, 1);
    EXPECT_EQ(urs_PutStr(&m_port, "AT\r"), urs_cCommError);
    urs_StopTimeoutTimer(&m_port);
    urs_ClosePort(&m_port);

    const std::string log = CloseLogAndRead();
    EXPECT_EQ(Occurrences(log, "]: Read File Error ("), 1) << log;
    EXPECT_NE(log.find(")]: <COM3>:  Write File Error ("), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM3>:  Error: "), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM3>:  Write File Error 0 of 3 bytes written\n"), std::string::npos)
        << log;
}
