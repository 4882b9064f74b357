// The program's clock, which Sleep, _ftime, GetTickCount64 and the COM port time-outs follow.
// Private to this folder. It is the monotonic clock, unless a test makes it run faster
// (ClockTesting.h); the program itself never changes its pace.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform
{
// Nanoseconds of the program's clock since an arbitrary origin near boot; never goes back, also
// across a change of pace.
int64_t ProgramClockNanoseconds();

// How long `milliseconds` of the program's clock last in real time (rounded down to whole
// nanoseconds). `milliseconds` must stay below 2^43.
std::chrono::nanoseconds RealDuration(uint64_t milliseconds);
} // namespace platform
