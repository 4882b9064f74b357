// Opening and closing COM ports.
//
// A port is exclusive, as on Windows, by every convention Linux serial programs follow: the
// UUCP lock file (UucpLock.h) that minicom and its kin check, taken before the device is opened
// so that a port in another program's hands is not even touched; flock(LOCK_EX|LOCK_NB) on the
// device, which holds against every other open description (in this process or another, root
// included); and TIOCEXCL, which keeps out programs that do not lock (terminal emulators,
// ModemManager) where the caller is not root. Every refusal is reported with the device and the
// system's reason (PortFailures.h).
#include "platform/posix/ComPortNames.h"
#include "platform/posix/CommPort.h"
#include "platform/posix/Errors.h"
#include "platform/posix/PortFailures.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform
{
CommPort::CommPort(int fd, bool canRead, bool canWrite, bool isPseudoTerminal, const DCB& state,
                   UucpLock uucpLock)
    : m_fd(fd), m_canRead(canRead), m_canWrite(canWrite), m_isPseudoTerminal(isPseudoTerminal),
      m_state(state), m_uucpLock(std::move(uucpLock))
{
}

CommPort::~CommPort()
{
    // The exclusive flag belongs to the device, not to this descriptor: leave the port usable.
    ioctl(m_fd, TIOCNXCL);
    close(m_fd);
}

COMMTIMEOUTS CommPort::Timeouts() const
{
    std::lock_guard lock(m_mutex);
    return m_timeouts;
}

void CommPort::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    std::lock_guard lock(m_mutex);
    m_timeouts = timeouts;
}

DCB CommPort::KeptState() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

void CommPort::SetKeptState(const DCB& state)
{
    std::lock_guard lock(m_mutex);
    m_state = state;
}

void CommPort::SetEventMask(DWORD mask)
{
    std::lock_guard lock(m_mutex);
    m_eventMask = mask;
}

CommPort::ErrorCounts CommPort::ExchangeErrorCounts(const ErrorCounts& now)
{
    std::lock_guard lock(m_mutex);
    const ErrorCounts before = m_errorCounts;
    m_errorCounts = now;
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

// Why an open failed: errno and, where the system's text does not say it all, more words.
struct Refusal
{
    int error = 0;
    std::string detail;
    std::string holder; // who holds the device, when another open does
};

// The Win32 code the wizard sees for a refusal.
DWORD Win32ErrorOf(const Refusal& refusal)
{
    switch (refusal.error)
    {
    case EIO:    // a node without hardware behind it (/dev/ttyS5 on most machines)
    case ENOTTY: // whatever the link points at, it is no serial port
        return ERROR_FILE_NOT_FOUND;
    default:
        return platform::Win32ErrorFromErrno(refusal.error);
    }
}

// The device behind `path`: the real path a link leads to, what a dangling link names, or `path`
// itself.
std::string DeviceBehind(const std::string& path)
{
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string();
}

// Who holds the flock on the device open as `fd`, in words: "process 812 (picocom)" as the
// kernel's lock table has it, or "another open of the device" when it does not say.
std::string FlockHolder(int fd)
{
    struct stat info
    {
    };
    std::ifstream table("/proc/locks");
    if (fstat(fd, &info) != 0 || !table)
        return "another open of the device";
    char node[64];
    std::snprintf(node, sizeof node, "%02x:%02x:%llu", major(info.st_dev), minor(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    // "1: FLOCK  ADVISORY  WRITE 812 00:05:1234 0 EOF"
    for (std::string line; std::getline(table, line);)
    {
        std::istringstream fields(line);
        std::string number, kind, mode, rights, pid, where;
        fields >> number >> kind >> mode >> rights >> pid >> where;
        // The table names the process that took the lock; one that has ended since passed the
        // open file on to a child, which the table does not name.
        if (kind == "FLOCK" && where == node && pid != std::to_string(getpid()) &&
            access(("/proc/" + pid).c_str(), F_OK) == 0)
            return platform::DescribeProcess(std::stol(pid));
    }
    return "another open of the device";
}

// Opens, locks and configures `path`; returns the descriptor, or -1 with `refusal` filled.
int OpenPortDevice(const std::string& path, Refusal& refusal)
{
    const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        refusal.error = errno;
        return -1;
    }
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
    {
        close(fd);
        refusal = {ENOTTY, "(not a terminal)", ""};
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        refusal.error = errno;
        if (refusal.error == EWOULDBLOCK)
        {
            const std::string holder = FlockHolder(fd);
            refusal = {EBUSY, "(held with flock by " + holder + ")", holder};
        }
        close(fd);
        return -1;
    }
    ioctl(fd, TIOCEXCL);
    platform::MakeRaw(settings);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
    {
        refusal.error = errno;
        ioctl(fd, TIOCNXCL);
        close(fd);
        return -1;
    }
    return fd;
}

HANDLE FailOpen(platform::OpenFailure failure, const Refusal& refusal)
{
    failure.error = refusal.error;
    failure.detail = refusal.detail;
    failure.holder = refusal.holder;
    platform::ReportOpenFailure(failure, __FILE__, __LINE__);
    SetLastError(Win32ErrorOf(refusal));
    return INVALID_HANDLE_VALUE;
}
} // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES, DWORD,
                   DWORD, HANDLE)
{
    const int number = platform::ComPortNumber(lpFileName);
    if (number == 0)
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    platform::OpenFailure failure;
    failure.comNumber = number;
    failure.path = platform::ResolveComPort(number);
    failure.device = failure.path.empty() ? std::string() : DeviceBehind(failure.path);
    if (failure.path.empty())
        return FailOpen(failure, {ENOENT, "", ""});

    platform::UucpLock uucpLock;
    if (platform::LockHolder holder;
        access(failure.device.c_str(), F_OK) == 0 && !uucpLock.Take(failure.device, holder))
    {
        failure.heldHere = holder.here;
        if (holder.stale)
        {
            failure.staleLock = holder.path;
            return FailOpen(
                failure, {EBUSY, "(stale lock this user may not remove: " + holder.path + ")", ""});
        }
        return FailOpen(failure,
                        {EBUSY, "(locked by " + holder.who + ": " + holder.path + ")", holder.who});
    }
    Refusal refusal;
    const int fd = OpenPortDevice(failure.path, refusal);
    if (fd < 0)
        return FailOpen(failure, refusal);
    termios settings{};
    tcgetattr(fd, &settings);
    auto port = std::make_shared<platform::CommPort>(
        fd, (dwDesiredAccess & GENERIC_READ) != 0, (dwDesiredAccess & GENERIC_WRITE) != 0,
        IsPseudoTerminal(fd), platform::DcbFromTermios(settings, platform::DefaultDcb()),
        std::move(uucpLock));
    if (platform::CommPort::ErrorCounts counts; platform::ReadErrorCounts(fd, counts))
        port->ExchangeErrorCounts(counts);
    platform::ForgetOpenFailure(number);
    SetLastError(ERROR_SUCCESS);
    return platform::RegisterHandle(std::move(port));
}
