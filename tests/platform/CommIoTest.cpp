#include "platform/Clock.h"
#include "platform/posix/ClockTesting.h"
#include "platform/win32.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <thread>

using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::MillisecondsSince;
using testing_support::PseudoTerminal;

namespace
{
using Clock = std::chrono::steady_clock;
using platform::ProgramClock;

double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// COM1 on a pseudo-terminal, opened for reading and writing.
class CommIoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Link(1, m_terminal.SlavePath());
        m_port = CreateFileA(ComName(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(m_port, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override
    {
        if (m_port != INVALID_HANDLE_VALUE)
            CloseHandle(m_port);
    }

    void SetTimeouts(DWORD interval, DWORD readMultiplier, DWORD readConstant,
                     DWORD writeMultiplier = 0, DWORD writeConstant = 0)
    {
        COMMTIMEOUTS timeouts{interval, readMultiplier, readConstant, writeMultiplier,
                              writeConstant};
        ASSERT_TRUE(SetCommTimeouts(m_port, &timeouts));
    }

    // The serial layer's setting: return on the first byte, or after `total` ms with none.
    void SetWizardTimeouts(DWORD total) { SetTimeouts(MAXDWORD, 0, total, 0, total); }

    DWORD InQueue()
    {
        COMSTAT status{};
        DWORD errors = 1;
        EXPECT_TRUE(ClearCommError(m_port, &errors, &status));
        EXPECT_EQ(errors, 0u);
        return status.cbInQue;
    }

    void WaitForInQueue(DWORD count)
    {
        const auto start = Clock::now();
        while (InQueue() < count && MillisecondsSince(start) < 5000)
            Sleep(5);
    }

    ComPortFolder m_folder;
    PseudoTerminal m_terminal;
    HANDLE m_port = INVALID_HANDLE_VALUE;
};
} // namespace

TEST_F(CommIoTest, ReadOnSilentLine_ReturnsTrueWithNoBytes_AfterTheTotalTimeout)
{
    SetWizardTimeouts(500);
    char buffer[8];
    DWORD read = 99;
    const double cpuStart = ThreadCpuMilliseconds();
    const auto start = Clock::now();
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    const double elapsed = MillisecondsSince(start);
    EXPECT_EQ(read, 0u);
    EXPECT_GE(elapsed, 400.0);
    EXPECT_LT(elapsed, 5000.0);
    EXPECT_LT(ThreadCpuMilliseconds() - cpuStart, elapsed / 2) << "the wait must not spin";
}

TEST(CommIo, ReadOnATerminalWhoseOtherSideNeverOpened_WaitsWithoutSpinning)
{
    ComPortFolder folder;
    folder.Link(1, "/dev/ptmx");
    const HANDLE port = CreateFileA(ComName(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 300, 0, 300};
    ASSERT_TRUE(SetCommTimeouts(port, &timeouts));
    char c = 0;
    DWORD read = 99;
    const double cpuStart = ThreadCpuMilliseconds();
    const auto start = Clock::now();
    const BOOL ok = ReadFile(port, &c, 1, &read, nullptr);
    const double elapsed = MillisecondsSince(start);
    EXPECT_TRUE(ok) << GetLastError();
    EXPECT_EQ(read, 0u);
    EXPECT_LT(elapsed, 5000.0);
    EXPECT_LT(ThreadCpuMilliseconds() - cpuStart, std::max(elapsed / 2, 20.0));
    CloseHandle(port);
}

TEST_F(CommIoTest, Read_ReturnsAsSoonAsOneByteArrives_WithWhatIsThereUpToTheCount)
{
    SetWizardTimeouts(20000);
    std::thread sender([this] {
        Sleep(200);
        m_terminal.Send("K");
    });
    char buffer[16] = {};
    DWORD read = 0;
    const auto start = Clock::now();
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    const double elapsed = MillisecondsSince(start);
    sender.join();
    EXPECT_EQ(read, 1u);
    EXPECT_EQ(buffer[0], 'K');
    EXPECT_LT(elapsed, 10000.0);

    m_terminal.Send("OK\r\n");
    WaitForInQueue(4);
    EXPECT_TRUE(ReadFile(m_port, buffer, 3, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "OK\r");
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "\n");
}

TEST_F(CommIoTest, ReadWithIntervalMaxAndNoTotals_ReturnsAtOnce)
{
    SetTimeouts(MAXDWORD, 0, 0);
    char buffer[8];
    DWORD read = 99;
    const auto start = Clock::now();
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_LT(MillisecondsSince(start), 2000.0);

    m_terminal.Send("abc");
    WaitForInQueue(3);
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "abc");
}

TEST_F(CommIoTest, ReadWithAllTimeoutsZero_WaitsForTheFullCount)
{
    SetTimeouts(0, 0, 0);
    std::thread sender([this] {
        m_terminal.Send("ab");
        Sleep(300);
        m_terminal.Send("cd");
    });
    char buffer[4];
    DWORD read = 0;
    const auto start = Clock::now();
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    const double elapsed = MillisecondsSince(start);
    sender.join();
    EXPECT_EQ(std::string(buffer, read), "abcd");
    EXPECT_GE(elapsed, 200.0);
}

TEST_F(CommIoTest, ReadWithIntervalTimeout_EndsWhenTheLineFallsSilentAfterData)
{
    SetTimeouts(200, 0, 0);
    m_terminal.Send("xy");
    char buffer[16];
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "xy");
}

TEST_F(CommIoTest, LargeWrite_ArrivesWhole_WhileTheOtherSideDrains)
{
    SetTimeouts(MAXDWORD, 0, 0, 0, 0);
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    std::string received;
    std::thread reader([&] { received = m_terminal.Receive(block.size()); });
    DWORD written = 0;
    EXPECT_TRUE(
        WriteFile(m_port, block.data(), static_cast<DWORD>(block.size()), &written, nullptr));
    reader.join();
    EXPECT_EQ(written, block.size());
    EXPECT_TRUE(FlushFileBuffers(m_port));
    ASSERT_EQ(received.size(), block.size());
    EXPECT_TRUE(received == block);
}

TEST_F(CommIoTest, WriteToAStalledLine_ReturnsTrueWithThePartCount_AfterTheTotalTimeout)
{
    SetTimeouts(MAXDWORD, 0, 0, 0, 300);
    const std::string block(1 << 20, 'z');
    DWORD written = 0;
    const auto start = Clock::now();
    EXPECT_TRUE(
        WriteFile(m_port, block.data(), static_cast<DWORD>(block.size()), &written, nullptr));
    const double elapsed = MillisecondsSince(start);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, block.size());
    EXPECT_GE(elapsed, 240.0);
    EXPECT_LT(elapsed, 5000.0);
    EXPECT_TRUE(PurgeComm(m_port, PURGE_TXABORT | PURGE_TXCLEAR));
}

TEST_F(CommIoTest, AFasterClock_ShortensTheReadAndWriteTimeouts_ByItsRate)
{
    SetClockRateForTesting(20);
    SetTimeouts(MAXDWORD, 0, 2000, 0, 2000);
    char buffer[8];
    DWORD read = 99;
    auto programStart = ProgramClock::now();
    auto start = Clock::now();
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_GE(ProgramClock::now() - programStart, std::chrono::milliseconds(2000));
    EXPECT_LT(MillisecondsSince(start), 1000.0);

    const std::string block(1 << 20, 'z');
    DWORD written = 0;
    programStart = ProgramClock::now();
    start = Clock::now();
    EXPECT_TRUE(
        WriteFile(m_port, block.data(), static_cast<DWORD>(block.size()), &written, nullptr));
    EXPECT_LT(written, block.size());
    EXPECT_GE(ProgramClock::now() - programStart, std::chrono::milliseconds(2000));
    EXPECT_LT(MillisecondsSince(start), 1000.0);
    SetClockRateForTesting(1);
    EXPECT_TRUE(PurgeComm(m_port, PURGE_TXABORT | PURGE_TXCLEAR));
}

TEST_F(CommIoTest, DeviceGoneWhileReadWaits_FailsWithGenFailure_InsteadOfHanging)
{
    SetWizardTimeouts(20000);
    std::thread unplug([this] {
        Sleep(200);
        m_terminal.CloseMaster();
    });
    char c = 0;
    DWORD read = 99;
    const auto start = Clock::now();
    const BOOL ok = ReadFile(m_port, &c, 1, &read, nullptr);
    const DWORD error = GetLastError();
    const double elapsed = MillisecondsSince(start);
    unplug.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(read, 0u);
    EXPECT_LT(elapsed, 10000.0);

    // Every later call fails at once, none waits for its time-out.
    const auto again = Clock::now();
    EXPECT_FALSE(ReadFile(m_port, &c, 1, &read, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_GEN_FAILURE));
    DWORD written = 0;
    EXPECT_FALSE(WriteFile(m_port, "AT\r", 3, &written, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_LT(MillisecondsSince(again), 10000.0);
    EXPECT_TRUE(CloseHandle(m_port));
    m_port = INVALID_HANDLE_VALUE;
}

TEST_F(CommIoTest, QueuesAndPurge_ReportAndDropWaitingInput)
{
    SetTimeouts(MAXDWORD, 0, 0);
    EXPECT_EQ(InQueue(), 0u);
    m_terminal.Send("12345");
    WaitForInQueue(5);
    EXPECT_EQ(InQueue(), 5u);
    EXPECT_TRUE(PurgeComm(m_port, PURGE_RXABORT | PURGE_RXCLEAR));
    EXPECT_EQ(InQueue(), 0u);
    char buffer[8];
    DWORD read = 99;
    EXPECT_TRUE(ReadFile(m_port, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_FALSE(PurgeComm(m_port, 0x10));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CommIo, TransferAgainstTheOpenedAccess_FailsWithAccessDenied)
{
    ComPortFolder folder;
    PseudoTerminal terminal;
    folder.Link(1, terminal.SlavePath());
    const HANDLE port = CreateFileA(ComName(1).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(port, INVALID_HANDLE_VALUE);
    char c = 0;
    DWORD count = 0;
    EXPECT_FALSE(ReadFile(port, &c, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(WriteFile(port, "x", 1, &count, nullptr));
    EXPECT_EQ(count, 1u);
    CloseHandle(port);
}
