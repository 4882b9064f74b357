// The program's clock: Sleep, _ftime and the COM port time-outs (win32.h) follow it, and so does
// code above the platform that needs it finer than _ftime's milliseconds. It is the monotonic
// clock, unless a test makes it run faster (platform/posix/ClockTesting.h); it never goes back,
// also across a change of pace.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform
{
struct ProgramClock
{
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<ProgramClock>;
    static constexpr bool is_steady = true;

    // Time since an arbitrary origin near boot.
    static time_point now() noexcept;
};
} // namespace platform
