// How the program's clock (platform/Clock.h) maps onto real time. Private to this folder.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform
{
// How long `milliseconds` of the program's clock last in real time (rounded down to whole
// nanoseconds). `milliseconds` must stay below 2^43.
std::chrono::nanoseconds RealDuration(uint64_t milliseconds);
} // namespace platform
