// The pace of the program's clock (platform/Clock.h), shared by the POSIX and the Windows clock,
// which read the system's monotonic time each their own way. Private to the platform library.
//
// The program's clock reads programAtChange + (real - realAtChange) x rate: at start-up the
// system's monotonic time itself. A change of rate goes on from where the clock stands, so it
// never jumps or goes back. Safe to use from any thread.
#pragma once

#include <cstdint>
#include <mutex>

namespace platform
{
// The system's monotonic time in nanoseconds: defined by each system's Clock.cpp.
int64_t SystemNanoseconds();

class Pace
{
public:
    // The program's clock, in nanoseconds.
    int64_t ProgramNanoseconds() const;
    // How many times as fast as real time the program's clock runs (1 at start-up).
    int64_t Rate() const;
    // 0 counts as 1.
    void SetRate(unsigned rate);

private:
    int64_t ProgramAt(int64_t real) const
    {
        return m_programAtChange + (real - m_realAtChange) * m_rate;
    }

    mutable std::mutex m_mutex;
    int64_t m_rate = 1;
    int64_t m_realAtChange = 0;
    int64_t m_programAtChange = 0;
};

// The program's one pace, made on first use, as static objects may read the clock, and never
// destroyed: workers may read it while the program ends. ProgramClock and
// SetClockRateForTesting go through it.
Pace& ThePace();
} // namespace platform
