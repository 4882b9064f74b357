#include "platform/posix/Pace.h"

namespace platform
{
int64_t Pace::ProgramNanoseconds() const
{
    // Real time is read under the lock, so that a change of rate cannot come between the two
    // and make the clock go back.
    std::lock_guard lock(m_mutex);
    return ProgramAt(m_realNanoseconds());
}

int64_t Pace::Rate() const
{
    std::lock_guard lock(m_mutex);
    return m_rate;
}

void Pace::SetRate(unsigned rate)
{
    std::lock_guard lock(m_mutex);
    const int64_t real = m_realNanoseconds();
    m_programAtChange = ProgramAt(real);
    m_realAtChange = real;
    m_rate = rate == 0 ? 1 : rate;
}
} // namespace platform
