// Sleeping and reading the program's clock: the monotonic clock, at the pace a test may set.
#include "platform/Clock.h"
#include "platform/posix/ClockPace.h"
#include "platform/posix/Pace.h"
#include "platform/win32.h"

#include <cerrno>
#include <ctime>
#include <sched.h>
#include <thread>

namespace
{
constexpr int64_t kNanosecondsPerSecond = 1000000000;
constexpr int64_t kNanosecondsPerMillisecond = 1000000;
} // namespace

namespace platform
{
int64_t SystemNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

std::chrono::nanoseconds RealDuration(uint64_t milliseconds)
{
    const auto nanoseconds = static_cast<int64_t>(milliseconds) * kNanosecondsPerMillisecond;
    return std::chrono::nanoseconds(nanoseconds / platform::ThePace().Rate());
}
} // namespace platform

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
    const int64_t end =
        platform::SystemNanoseconds() + platform::RealDuration(dwMilliseconds).count();
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
