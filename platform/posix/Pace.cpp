#include "platform/posix/Pace.h"

#include "platform/Clock.h"
#include "platform/posix/ClockTesting.h"
#include "platform/posix/Lasting.h"

namespace platform
{
int64_t Pace::ProgramNanoseconds() const
{
    // Real time is read under the lock, so that a change of rate cannot come between the two
    // and make the clock go back.
    std::lock_guard lock(m_mutex);
    return ProgramAt(SystemNanoseconds());
}

int64_t Pace::Rate() const
{
    std::lock_guard lock(m_mutex);
    return m_rate;
}

void Pace::SetRate(unsigned rate)
{
    std::lock_guard lock(m_mutex);
    const int64_t real = SystemNanoseconds();
    m_programAtChange = ProgramAt(real);
    m_realAtChange = real;
    m_rate = rate == 0 ? 1 : rate;
}

Pace& ThePace()
{
    return Lasting<Pace>();
}

ProgramClock::time_point ProgramClock::now() noexcept
{
    return time_point(duration(ThePace().ProgramNanoseconds()));
}
} // namespace platform

void SetClockRateForTesting(unsigned rate)
{
    platform::ThePace().SetRate(rate);
}
