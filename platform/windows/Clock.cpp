// The program's clock on Windows: the performance counter, at the pace a test may set, and the
// waits and time-outs that follow it.
#include "platform/Clock.h"
#include "platform/posix/Pace.h"
#include "platform/windows/SystemCalls.h"

namespace
{
constexpr int64_t kNanosecondsPerSecond = 1000000000;
constexpr int64_t kNanosecondsPerMillisecond = 1000000;
} // namespace

int64_t platform::SystemNanoseconds()
{
    static const int64_t frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<int64_t>(value.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const int64_t ticks = now.QuadPart;
    // In two steps, so that the product cannot overflow in the years a machine runs.
    return ticks / frequency * kNanosecondsPerSecond +
           ticks % frequency * kNanosecondsPerSecond / frequency;
}

namespace
{
// `milliseconds` of the program's clock in real ones, rounded up: a time-out that was not zero
// never becomes zero, which would change its meaning.
DWORD RealMilliseconds(DWORD milliseconds, int64_t rate)
{
    if (milliseconds == MAXDWORD)
        return milliseconds;
    return static_cast<DWORD>((static_cast<int64_t>(milliseconds) + rate - 1) / rate);
}
} // namespace

namespace platform
{
void WINAPI ProgramSleep(DWORD dwMilliseconds)
{
    if (dwMilliseconds == 0 || dwMilliseconds == INFINITE)
    {
        Sleep(dwMilliseconds);
        return;
    }
    Sleep(RealMilliseconds(dwMilliseconds, ThePace().Rate()));
}

// Seconds of the program's clock plus one: the value is never 0 (the serial layer reads 0 as
// "timer disarmed").
void ProgramFtime(struct _timeb* timeptr)
{
    if (timeptr == nullptr)
        return;
    const int64_t now = ProgramClock::now().time_since_epoch().count();
    timeptr->time = now / kNanosecondsPerSecond + 1;
    timeptr->millitm =
        static_cast<unsigned short>(now % kNanosecondsPerSecond / kNanosecondsPerMillisecond);
    timeptr->timezone = 0;
    timeptr->dstflag = 0;
}

BOOL WINAPI ProgramSetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts)
{
    if (lpCommTimeouts == nullptr)
        return SetCommTimeouts(hFile, lpCommTimeouts);
    const int64_t rate = ThePace().Rate();
    COMMTIMEOUTS paced = *lpCommTimeouts;
    paced.ReadIntervalTimeout = RealMilliseconds(paced.ReadIntervalTimeout, rate);
    paced.ReadTotalTimeoutMultiplier = RealMilliseconds(paced.ReadTotalTimeoutMultiplier, rate);
    paced.ReadTotalTimeoutConstant = RealMilliseconds(paced.ReadTotalTimeoutConstant, rate);
    paced.WriteTotalTimeoutMultiplier = RealMilliseconds(paced.WriteTotalTimeoutMultiplier, rate);
    paced.WriteTotalTimeoutConstant = RealMilliseconds(paced.WriteTotalTimeoutConstant, rate);
    return SetCommTimeouts(hFile, &paced);
}
} // namespace platform
