// Opening and closing COM ports.
//
// A port is exclusive, as on Windows: the open takes flock(LOCK_EX|LOCK_NB) on the device, which
// holds against every other open description (in this process or another, root included), and
// sets TIOCEXCL so that other programs that do not lock (terminal emulators, ModemManager) are
// kept out too where the caller is not root.
#include "platform/posix/ComPortNames.h"
#include "platform/posix/CommPort.h"
#include "platform/posix/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform
{
CommPort::CommPort(int fd, bool canRead, bool canWrite, bool isPseudoTerminal, const DCB& state)
    : fd_(fd), canRead_(canRead), canWrite_(canWrite), isPseudoTerminal_(isPseudoTerminal),
      state_(state)
{
}

CommPort::~CommPort()
{
    // The exclusive flag belongs to the device, not to this descriptor: leave the port usable.
    ioctl(fd_, TIOCNXCL);
    close(fd_);
}

COMMTIMEOUTS CommPort::Timeouts() const
{
    std::lock_guard lock(mutex_);
    return timeouts_;
}

void CommPort::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    std::lock_guard lock(mutex_);
    timeouts_ = timeouts;
}

DCB CommPort::KeptState() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

void CommPort::SetKeptState(const DCB& state)
{
    std::lock_guard lock(mutex_);
    state_ = state;
}

void CommPort::SetEventMask(DWORD mask)
{
    std::lock_guard lock(mutex_);
    eventMask_ = mask;
}

CommPort::ErrorCounts CommPort::ExchangeErrorCounts(const ErrorCounts& now)
{
    std::lock_guard lock(mutex_);
    const ErrorCounts before = errorCounts_;
    errorCounts_ = now;
    return before;
}
} // namespace platform

namespace
{
// Unix98 pseudo-terminal slaves (/dev/pts/N) have majors 136 to 143.
constexpr unsigned kFirstPtySlaveMajor = 136;
constexpr unsigned kPtySlaveMajorCount = 8;

bool IsPseudoTerminal(int fd)
{
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    const unsigned deviceMajor = major(info.st_rdev);
    return deviceMajor >= kFirstPtySlaveMajor &&
           deviceMajor < kFirstPtySlaveMajor + kPtySlaveMajorCount;
}

// Opens, locks and configures `path`; returns the descriptor, or -1 with the last error set.
int OpenPortDevice(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        // A node without hardware behind it (/dev/ttyS5 on most machines) answers EIO: to the
        // caller that is a port that does not exist.
        const int error = errno;
        SetLastError(error == EIO ? static_cast<DWORD>(ERROR_FILE_NOT_FOUND)
                                  : platform::Win32ErrorFromErrno(error));
        return -1;
    }
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
    {
        // Not a terminal: whatever the link points at, it is no serial port.
        close(fd);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        close(fd);
        SetLastError(error == EWOULDBLOCK ? static_cast<DWORD>(ERROR_ACCESS_DENIED)
                                          : platform::Win32ErrorFromErrno(error));
        return -1;
    }
    ioctl(fd, TIOCEXCL);
    platform::MakeRaw(settings);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
    {
        const int error = errno;
        ioctl(fd, TIOCNXCL);
        close(fd);
        SetLastError(platform::Win32ErrorFromErrno(error));
        return -1;
    }
    return fd;
}
} // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES, DWORD,
                   DWORD, HANDLE)
{
    const int number = platform::ComPortNumber(lpFileName);
    const std::string path = platform::ResolveComPort(number);
    if (path.empty())
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const int fd = OpenPortDevice(path);
    if (fd < 0)
        return INVALID_HANDLE_VALUE;
    termios settings{};
    tcgetattr(fd, &settings);
    auto port = std::make_shared<platform::CommPort>(
        fd, (dwDesiredAccess & GENERIC_READ) != 0, (dwDesiredAccess & GENERIC_WRITE) != 0,
        IsPseudoTerminal(fd), platform::DcbFromTermios(settings, platform::DefaultDcb()));
    if (platform::CommPort::ErrorCounts counts; platform::ReadErrorCounts(fd, counts))
        port->ExchangeErrorCounts(counts);
    SetLastError(ERROR_SUCCESS);
    return platform::RegisterHandle(std::move(port));
}
