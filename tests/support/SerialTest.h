// What the serial, exchange and identification suites share: a test that runs in a temporary
// working directory with the diagnostic log open and the program's clock sped up, and helpers to
// read that log and to time work.
#pragma once

#include "platform/Clock.h"
#include "platform/posix/ClockTesting.h"
#include "src/serial/Urswin32.h"
#include "src/serial/log.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>

namespace serial_testing
{
using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::PseudoTerminal;

// The pace of the program's clock in these suites: the wizard's pauses and time-outs (2 s, 5 s,
// 10 s) take a tenth of their time, which still leaves them far longer than a round trip over a
// pseudo-terminal under the sanitizers, and keeps a bound of a few seconds on the program's clock
// a few hundred milliseconds of real time.
constexpr unsigned kClockRate = 10;

inline double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Times work on the program's clock: its seconds as the wizard counts them, and the processor
// time the calling thread used meanwhile on the same scale (real processor seconds times the
// clock's rate), so that a bound written for real time holds at any rate.
class ClockWatch
{
public:
    explicit ClockWatch(unsigned clockRate)
        : m_clockRate(clockRate), m_start(platform::ProgramClock::now()),
          m_startCpu(ThreadCpuSeconds())
    {
    }
    double Seconds() const
    {
        return std::chrono::duration<double>(platform::ProgramClock::now() - m_start).count();
    }
    double CpuSeconds() const { return (ThreadCpuSeconds() - m_startCpu) * m_clockRate; }

private:
    unsigned m_clockRate;
    platform::ProgramClock::time_point m_start;
    double m_startCpu;
};

// A test whose working directory is a fresh temporary folder, with the log open there, COM ports
// resolved through its `dosdevices` folder (ports().Link(n, device)) and the program's clock at
// `clockRate` times real time (1 for tests of the real timing).
class SerialTest : public ::testing::Test
{
protected:
    explicit SerialTest(unsigned clockRate = kClockRate) : m_clockRate(clockRate) {}

    void SetUp() override
    {
        SetClockRateForTesting(m_clockRate);
        // The application object, where a suite links it, keeps logging off until it starts.
        m_previousFlag = log_SetEnabledFlag(nullptr);
        log_Open();
    }

    void TearDown() override
    {
        log_Close();
        log_SetEnabledFlag(m_previousFlag);
        SetClockRateForTesting(1);
    }

    // The pace of this test's clock; simulated adapters are given the same.
    unsigned ClockRate() const { return m_clockRate; }
    // A watch started now, on this test's clock.
    ClockWatch StartWatch() const { return ClockWatch(m_clockRate); }

    ComPortFolder& ports() { return m_ports; }

    // Closes the log and returns everything written to it.
    std::string CloseLogAndRead()
    {
        log_Close();
        return testing_support::ReadFile(m_ports.Path() / "log.txt");
    }

private:
    unsigned m_clockRate;
    ComPortFolder m_ports;
    testing_support::WorkingDirectory m_inFolder{m_ports.Path()};
    const volatile BYTE* m_previousFlag = nullptr;
};

// Counts how often `part` occurs in `text`.
inline int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
} // namespace serial_testing
