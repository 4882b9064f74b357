// Sleeping and reading the program's clock: the monotonic clock, at the pace a test may set.
#include "platform/Clock.h"
#include "platform/posix/ClockPace.h"
#include "platform/posix/ClockTesting.h"
#include "platform/win32.h"

#include <cerrno>
#include <ctime>
#include <mutex>
#include <sched.h>
#include <thread>

namespace
{
constexpr int64_t kNanosecondsPerSecond = 1000000000;
constexpr int64_t kNanosecondsPerMillisecond = 1000000;

// The program's clock reads programAtChange + (monotonic - realAtChange) x rate: at start-up the
// monotonic clock itself.
struct Pace
{
    int64_t rate = 1;
    int64_t realAtChange = 0;
    int64_t programAtChange = 0;
};

std::mutex g_paceMutex;
Pace g_pace;

Pace CurrentPace()
{
    std::lock_guard lock(g_paceMutex);
    return g_pace;
}

int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

int64_t ProgramTimeAt(const Pace& pace, int64_t real)
{
    return pace.programAtChange + (real - pace.realAtChange) * pace.rate;
}
} // namespace

namespace platform
{
ProgramClock::time_point ProgramClock::now() noexcept
{
    return time_point(duration(ProgramTimeAt(CurrentPace(), MonotonicNanoseconds())));
}

std::chrono::nanoseconds RealDuration(uint64_t milliseconds)
{
    const auto nanoseconds = static_cast<int64_t>(milliseconds) * kNanosecondsPerMillisecond;
    return std::chrono::nanoseconds(nanoseconds / CurrentPace().rate);
}
} // namespace platform

void SetClockRateForTesting(unsigned rate)
{
    std::lock_guard lock(g_paceMutex);
    const int64_t real = MonotonicNanoseconds();
    g_pace.programAtChange = ProgramTimeAt(g_pace, real);
    g_pace.realAtChange = real;
    g_pace.rate = rate == 0 ? 1 : rate;
}

void Sleep(DWORD dwMilliseconds)
{
    if (dwMilliseconds == 0)
    {
        sched_yield();
        return;
    }
    if (dwMilliseconds == INFINITE)
    {
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(24));
    }
    // An absolute end time, so that a signal cannot stretch the sleep.
    const int64_t end = MonotonicNanoseconds() + platform::RealDuration(dwMilliseconds).count();
    const timespec until{static_cast<time_t>(end / kNanosecondsPerSecond),
                         static_cast<long>(end % kNanosecondsPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR)
    {
    }
}

// Seconds of the program's clock plus one: it starts near 0 at boot, so the value stays far from
// the 32-bit limit and is never 0 (the serial layer reads 0 as "timer disarmed").
void _ftime(struct _timeb* timeptr)
{
    if (timeptr == nullptr)
        return;
    const int64_t now = platform::ProgramClock::now().time_since_epoch().count();
    timeptr->time = static_cast<int32_t>(now / kNanosecondsPerSecond + 1);
    timeptr->millitm =
        static_cast<uint16_t>(now % kNanosecondsPerSecond / kNanosecondsPerMillisecond);
    timeptr->timezone = 0;
    timeptr->dstflag = 0;
}
