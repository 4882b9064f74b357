// Reading, writing and draining COM ports with the Windows time-out rules.
//
// ReadFile follows COMMTIMEOUTS as the Windows serial driver does:
//   interval MAXDWORD, multiplier 0, constant 0    return at once with what is there;
//   interval MAXDWORD, other totals                 return as soon as one byte is there, or with
//                                                   0 bytes after multiplier + constant ms
//                                                   (multiplier MAXDWORD counts as 0; constant
//                                                   MAXDWORD waits for the first byte forever);
//   interval 0, totals 0                            wait until the full count has arrived;
//   otherwise                                       stop after multiplier x count + constant ms
//                                                   (when either is nonzero) or when more than
//                                                   `interval` ms pass between two bytes.
// WriteFile stops after multiplier x count + constant ms, or waits until all is written when both
// are 0. A time-out is a success (TRUE) with the count transferred so far, as on Windows.
//
// The time-outs are times of the program's clock (platform/Clock.h). All waits are in poll(). A
// device that has gone away (read end of file, EIO, POLLHUP or POLLERR with nothing to transfer)
// fails the call with ERROR_GEN_FAILURE; bytes received before that are still returned first, and
// the next call reports the failure; a write that fails reports the count it got out.
#include "platform/posix/ClockPace.h"
#include "platform/posix/CommPort.h"
#include "platform/posix/Errors.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <optional>
#include <poll.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

using platform::CommPort;
using platform::FailWith;
using platform::FailWithErrno;
using platform::LookupHandle;

namespace
{
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;
using Deadline = std::optional<Clock::time_point>;

// Beyond this a wait is as good as endless; keeps the arithmetic far from overflow.
constexpr uint64_t kLongestWaitMs = uint64_t{1} << 40;
// FlushFileBuffers gives up when the output queue has not shrunk for this long.
constexpr uint64_t kDrainStallMs = 2000;
constexpr Milliseconds kDrainPollInterval{10};

Deadline DeadlineAfter(Clock::time_point start, uint64_t milliseconds)
{
    return start + platform::RealDuration(std::min(milliseconds, kLongestWaitMs));
}

Deadline Earlier(const Deadline& a, const Deadline& b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

// The poll() time-out until `deadline`: rounded up, so that a wait never ends just short of it
// and turns into a string of zero-length polls.
int PollTimeout(const Deadline& deadline)
{
    if (!deadline)
        return -1;
    const auto left = *deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    const auto milliseconds = std::chrono::ceil<Milliseconds>(left).count();
    return static_cast<int>(std::min<decltype(milliseconds)>(milliseconds, INT_MAX));
}

bool Passed(const Deadline& deadline)
{
    return deadline && Clock::now() >= *deadline;
}

struct ReadPlan
{
    bool returnWhatIsThere = false;
    bool returnOnFirstByte = false;
    std::optional<uint64_t> totalMs;
    DWORD intervalMs = 0;
};

ReadPlan PlanRead(const COMMTIMEOUTS& timeouts, DWORD count)
{
    ReadPlan plan;
    const uint64_t multiplier = timeouts.ReadTotalTimeoutMultiplier;
    const uint64_t constant = timeouts.ReadTotalTimeoutConstant;
    if (timeouts.ReadIntervalTimeout == MAXDWORD)
    {
        if (multiplier == 0 && constant == 0)
        {
            plan.returnWhatIsThere = true;
            return plan;
        }
        plan.returnOnFirstByte = true;
        if (constant != MAXDWORD)
            plan.totalMs = (multiplier == MAXDWORD ? 0 : multiplier) + constant;
        return plan;
    }
    if (multiplier != 0 || constant != 0)
        plan.totalMs = multiplier * count + constant;
    plan.intervalMs = timeouts.ReadIntervalTimeout;
    return plan;
}

// Ends a transfer that met an error: bytes already moved are reported as a success (the error
// shows again on the next call), otherwise the call fails with `code`.
BOOL EndWithError(DWORD transferred, LPDWORD count, DWORD code)
{
    if (count)
        *count = transferred;
    if (transferred > 0)
        return TRUE;
    return FailWith(code);
}

BOOL EndWithSuccess(DWORD transferred, LPDWORD count)
{
    if (count)
        *count = transferred;
    return TRUE;
}

// Fails a write with `code`, whatever part of it got out (reported in `count`).
BOOL FailWrite(DWORD written, LPDWORD count, DWORD code)
{
    if (count)
        *count = written;
    return FailWith(code);
}
} // namespace

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
              LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpNumberOfBytesRead)
        *lpNumberOfBytesRead = 0;
    if (lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytesToRead > 0))
        return FailWith(ERROR_INVALID_PARAMETER);
    if (!port->CanRead())
        return FailWith(ERROR_ACCESS_DENIED);
    if (nNumberOfBytesToRead == 0)
        return TRUE;

    auto* const buffer = static_cast<unsigned char*>(lpBuffer);
    const int fd = port->Descriptor();
    const ReadPlan plan = PlanRead(port->Timeouts(), nNumberOfBytesToRead);
    const Clock::time_point start = Clock::now();
    const Deadline total = plan.totalMs ? DeadlineAfter(start, *plan.totalMs) : Deadline{};
    Clock::time_point lastByte = start;
    DWORD received = 0;
    bool hungUp = false;
    for (;;)
    {
        const ssize_t result = read(fd, buffer + received, nNumberOfBytesToRead - received);
        if (result > 0)
        {
            received += static_cast<DWORD>(result);
            lastByte = Clock::now();
            if (received == nNumberOfBytesToRead)
                return EndWithSuccess(received, lpNumberOfBytesRead);
            continue;
        }
        if (result == 0)
            return EndWithError(received, lpNumberOfBytesRead, ERROR_GEN_FAILURE);
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            return EndWithError(received, lpNumberOfBytesRead,
                                platform::Win32ErrorFromErrno(errno));

        if (plan.returnWhatIsThere || (plan.returnOnFirstByte && received > 0))
            return EndWithSuccess(received, lpNumberOfBytesRead);
        if (hungUp)
            return EndWithError(received, lpNumberOfBytesRead, ERROR_GEN_FAILURE);
        Deadline deadline = total;
        if (plan.intervalMs != 0 && received > 0)
            deadline = Earlier(deadline, DeadlineAfter(lastByte, plan.intervalMs));
        if (Passed(deadline))
            return EndWithSuccess(received, lpNumberOfBytesRead);

        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, PollTimeout(deadline));
        if (ready < 0 && errno != EINTR)
            return EndWithError(received, lpNumberOfBytesRead,
                                platform::Win32ErrorFromErrno(errno));
        if (ready > 0 && (waiting.revents & (POLLHUP | POLLERR | POLLNVAL)))
            hungUp = true;
    }
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
               LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpNumberOfBytesWritten)
        *lpNumberOfBytesWritten = 0;
    if (lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytesToWrite > 0))
        return FailWith(ERROR_INVALID_PARAMETER);
    if (!port->CanWrite())
        return FailWith(ERROR_ACCESS_DENIED);
    if (nNumberOfBytesToWrite == 0)
        return TRUE;

    const auto* const buffer = static_cast<const unsigned char*>(lpBuffer);
    const int fd = port->Descriptor();
    const COMMTIMEOUTS timeouts = port->Timeouts();
    const uint64_t multiplier = timeouts.WriteTotalTimeoutMultiplier;
    const uint64_t constant = timeouts.WriteTotalTimeoutConstant;
    const Deadline deadline =
        (multiplier != 0 || constant != 0)
            ? DeadlineAfter(Clock::now(), multiplier * nNumberOfBytesToWrite + constant)
            : Deadline{};
    DWORD written = 0;
    bool hungUp = false;
    for (;;)
    {
        const ssize_t result = write(fd, buffer + written, nNumberOfBytesToWrite - written);
        if (result > 0)
        {
            written += static_cast<DWORD>(result);
            if (written == nNumberOfBytesToWrite)
                return EndWithSuccess(written, lpNumberOfBytesWritten);
            continue;
        }
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0 && errno != EAGAIN)
            return FailWrite(written, lpNumberOfBytesWritten, platform::Win32ErrorFromErrno(errno));
        if (hungUp)
            return FailWrite(written, lpNumberOfBytesWritten, ERROR_GEN_FAILURE);
        if (Passed(deadline))
            return EndWithSuccess(written, lpNumberOfBytesWritten);

        pollfd waiting{fd, POLLOUT, 0};
        const int ready = poll(&waiting, 1, PollTimeout(deadline));
        if (ready < 0 && errno != EINTR)
            return FailWrite(written, lpNumberOfBytesWritten, platform::Win32ErrorFromErrno(errno));
        if (ready > 0 && (waiting.revents & (POLLHUP | POLLERR | POLLNVAL)))
            hungUp = true;
    }
}

// Waits until the output queue is empty. A queue that stops shrinking (a dead device, flow
// control held off for good) ends the wait after kDrainStallMs with ERROR_SEM_TIMEOUT.
BOOL FlushFileBuffers(HANDLE hFile)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (!port->CanWrite())
        return FailWith(ERROR_ACCESS_DENIED);
    const int fd = port->Descriptor();
    const auto stall = platform::RealDuration(kDrainStallMs);
    int smallestQueue = INT_MAX;
    Clock::time_point lastProgress = Clock::now();
    for (;;)
    {
        int queued = 0;
        if (ioctl(fd, TIOCOUTQ, &queued) != 0)
            return FailWithErrno(errno);
        if (queued == 0)
            break;
        if (queued < smallestQueue)
        {
            smallestQueue = queued;
            lastProgress = Clock::now();
        }
        else if (Clock::now() - lastProgress > stall)
        {
            return FailWith(ERROR_SEM_TIMEOUT);
        }
        std::this_thread::sleep_for(kDrainPollInterval);
    }
    // The queue is empty; what is left is the transmitter's last character or so.
    if (tcdrain(fd) != 0)
        return FailWithErrno(errno);
    return TRUE;
}
