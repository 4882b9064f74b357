#include "platform/Clock.h"
#include "platform/posix/ClockTesting.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <chrono>

namespace
{
using Clock = std::chrono::steady_clock;
using platform::ProgramClock;

// The program's clock in milliseconds, read through _ftime.
long long FtimeMilliseconds()
{
    _timeb now{};
    _ftime(&now);
    return now.time * 1000LL + now.millitm;
}
} // namespace

TEST(Time, Ftime_IsNeverZero_NeverGoesBack_AndCountsSeconds)
{
    _timeb first{};
    _ftime(&first);
    EXPECT_NE(first.time, 0);
    EXPECT_LT(first.millitm, 1000);
    long long previous = first.time * 1000LL + first.millitm;
    for (int i = 0; i < 10000; ++i)
    {
        const long long current = FtimeMilliseconds();
        ASSERT_GE(current, previous);
        previous = current;
    }
    Sleep(1100);
    _timeb later{};
    _ftime(&later);
    const long long elapsed = (later.time - first.time) * 1000LL + (later.millitm - first.millitm);
    EXPECT_GE(elapsed, 1100);
    EXPECT_GE(later.time - first.time, 1);
}

TEST(Time, Sleep_WaitsAtLeastTheTimeAsked)
{
    const auto start = Clock::now();
    Sleep(120);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(120));
    Sleep(0);
}

TEST(Time, AFasterClock_ShortensSleeps_AndBothClocksGoOnFromWhereTheyStood)
{
    const auto programBefore = ProgramClock::now();
    const long long ftimeBefore = FtimeMilliseconds();
    SetClockRateForTesting(20);
    const auto start = Clock::now();
    Sleep(2000);
    const auto real = Clock::now() - start;
    const auto program = ProgramClock::now() - programBefore;
    const long long ftime = FtimeMilliseconds() - ftimeBefore;
    SetClockRateForTesting(1);
    EXPECT_GE(real, std::chrono::milliseconds(100));
    EXPECT_LT(real, std::chrono::milliseconds(1000));
    EXPECT_GE(program, std::chrono::milliseconds(2000));
    EXPECT_GE(ftime, 2000);
    // Back on real time the clock has kept what it gained.
    EXPECT_GE(ProgramClock::now() - programBefore, program);
    EXPECT_GE(FtimeMilliseconds() - ftimeBefore, ftime);
}
