// The object behind a COM port handle, and the termios helpers its functions share. Private to
// this folder.
//
// The descriptor is always non-blocking; ReadFile and WriteFile build the Windows time-out
// behaviour on poll(). The port is kept in raw mode (VMIN 1, VTIME 0), so a read of 0 bytes means
// the device hung up, never "no data".
#pragma once

#include "platform/posix/Handles.h"
#include "platform/posix/UucpLock.h"
#include "platform/win32.h"

#include <mutex>
#include <termios.h>

namespace platform
{
class CommPort final : public HandleObject
{
public:
    // Takes ownership of `fd` (locked and in exclusive mode) and of the port's UUCP lock, which
    // is released once the descriptor is closed.
    CommPort(int fd, bool canRead, bool canWrite, bool isPseudoTerminal, const DCB& state,
             UucpLock uucpLock);
    ~CommPort() override;
    CommPort(const CommPort&) = delete;
    CommPort& operator=(const CommPort&) = delete;

    int Descriptor() const { return m_fd; }
    bool CanRead() const { return m_canRead; }
    bool CanWrite() const { return m_canWrite; }
    // A pseudo-terminal carries bytes, not frames: its driver forces 8 data bits without parity
    // whatever is set, so the character format asked for is only kept and shown back.
    bool IsPseudoTerminal() const { return m_isPseudoTerminal; }

    COMMTIMEOUTS Timeouts() const;
    void SetTimeouts(const COMMTIMEOUTS& timeouts);
    // The last device control block set (or the one read at open): the fields termios cannot hold.
    DCB KeptState() const;
    void SetKeptState(const DCB& state);
    void SetEventMask(DWORD mask);

    // Line error counters as last seen (at open, then by each ClearCommError).
    struct ErrorCounts
    {
        int frame = 0, overrun = 0, parity = 0, brk = 0, bufferOverrun = 0;
    };
    // Stores `now` and returns the counts stored before.
    ErrorCounts ExchangeErrorCounts(const ErrorCounts& now);

private:
    const int m_fd;
    const bool m_canRead;
    const bool m_canWrite;
    const bool m_isPseudoTerminal;
    mutable std::mutex m_mutex;
    COMMTIMEOUTS m_timeouts{};
    DCB m_state{};
    DWORD m_eventMask = 0;
    ErrorCounts m_errorCounts{};
    UucpLock m_uucpLock; // a member: released only after the destructor has closed the port
};

// Turns `settings` into raw mode as a serial port wants it (no echo, no line editing, no
// translation, receiver on, modem status lines ignored for opening), keeping speed, character
// format and flow control.
void MakeRaw(termios& settings);

// Puts the line settings of `dcb` (speed, character format, flow control) into `settings`, in raw
// mode. `dcb` must have passed SetCommState's checks.
void ApplyDcbToTermios(const DCB& dcb, termios& settings);

// A device control block describing `settings`, with the fields termios cannot hold taken from
// `kept`.
DCB DcbFromTermios(const termios& settings, const DCB& kept);

// The line error counters of the device; false (and `counts` untouched) when it keeps none.
bool ReadErrorCounts(int fd, CommPort::ErrorCounts& counts);

// The device control block that a port shows right after opening when nothing was set yet.
DCB DefaultDcb();
} // namespace platform
