// UUCP lock files of the ports this process opens.
#include "platform/posix/UucpLock.h"

#include "platform/posix/Lasting.h"
#include "platform/posix/Leftovers.h"
#include "platform/posix/PortFailures.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A lock file without a readable id is taken to be half-written for this long.
constexpr time_t kWritingSeconds = 5;

// A lock file on its way to its name is written as "LTMP.<pid>.<n>".
constexpr char kTemporaryPrefix[] = "LTMP.";

// What this process knows of its locks. Never destroyed: the program ends without waiting for its
// workers, which may still take and release locks while exit() runs the destructors.
struct Locks
{
    // Serialises taking and releasing within this process, so that one thread never takes
    // another's fresh lock for a stale one. Guards the rest.
    std::mutex mutex;
    std::optional<std::string> folderForTesting;
    std::set<std::string> held;           // lock files this process holds
    std::set<std::string> foldersCleared; // lock folders rid of dead writers' temporaries
    bool ending = false;                  // the process is ending: no new lock files
};

std::atomic<unsigned> g_temporaryCounter{0};

bool IsDirectory(const char* path)
{
    struct stat info
    {
    };
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string LockFolder()
{
    if (platform::Lasting<Locks>().folderForTesting)
        return *platform::Lasting<Locks>().folderForTesting;
    return IsDirectory("/run/lock") ? "/run/lock" : "/var/lock";
}

std::string LockName(const std::string& device)
{
    std::string name =
        device.rfind("/dev/", 0) == 0 ? device.substr(5) : device.substr(device.rfind('/') + 1);
    for (char& c : name)
    {
        if (c == '/')
            c = '_';
    }
    return "LCK.." + name;
}

// The process id a lock file names: ten ASCII digits (with blanks) and a line feed, or the four
// bytes of a binary id as old programs wrote it; 0 when it names none.
pid_t OwnerIn(const char* content, size_t size)
{
    const bool text = std::all_of(content, content + size, [](char c) {
        return (c >= '0' && c <= '9') || c == ' ' || c == '\n' || c == '\r' || c == '\t';
    });
    int pid = 0;
    if (!text && size == sizeof pid)
        std::memcpy(&pid, content, sizeof pid);
    else if (text)
        std::sscanf(std::string(content, size).c_str(), "%d", &pid);
    return pid > 0 ? pid : 0;
}

bool IsAlive(pid_t pid)
{
    return kill(pid, 0) == 0 || errno == EPERM;
}

enum class LockState
{
    Free,      // no lock, or a stale one that is gone now
    Held,      // a live process holds it
    StaleKept, // stale, but the file may not be removed by this user
};

// Checks the lock at `path`: Held (`holder` says by whom); otherwise removes a stale lock and
// answers Free, or StaleKept when this user may not remove it.
LockState ClearStale(const std::string& path, platform::LockHolder& holder)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return LockState::Free;
    char content[64];
    const ssize_t size = read(fd, content, sizeof content);
    struct stat info
    {
    };
    const bool haveInfo = fstat(fd, &info) == 0;
    close(fd);
    const pid_t owner = size > 0 ? OwnerIn(content, static_cast<size_t>(size)) : 0;
    holder.path = path;
    if (owner == getpid() && platform::Lasting<Locks>().held.count(path) != 0)
    {
        holder.who = "this program";
        holder.here = true;
        return LockState::Held;
    }
    if (owner != 0 && owner != getpid() && IsAlive(owner))
    {
        holder.who = platform::DescribeProcess(owner);
        return LockState::Held;
    }
    if (owner == 0 && haveInfo && std::time(nullptr) - info.st_mtime < kWritingSeconds)
    {
        holder.who = "a program still writing it";
        return LockState::Held;
    }
    if (unlink(path.c_str()) != 0 && (errno == EACCES || errno == EPERM))
        return LockState::StaleKept;
    return LockState::Free;
}

enum class Creation
{
    Created,
    Exists,
    Unwritable,
};

bool WriteOwner(int fd)
{
    char content[16];
    const int length = std::snprintf(content, sizeof content, "%10d\n", static_cast<int>(getpid()));
    fchmod(fd, 0644);
    return write(fd, content, static_cast<size_t>(length)) == length;
}

// Creates the lock file whole: written under a name of its own first, then linked to its name,
// which fails rather than replace a lock another program made in the meantime.
Creation Create(const std::string& folder, const std::string& path)
{
    const std::string temporary = folder + "/" + kTemporaryPrefix + std::to_string(getpid()) + "." +
                                  std::to_string(g_temporaryCounter++);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return Creation::Unwritable;
    const bool written = WriteOwner(fd);
    close(fd);
    const int linked = written ? link(temporary.c_str(), path.c_str()) : -1;
    const int error = errno;
    unlink(temporary.c_str());
    if (linked == 0)
        return Creation::Created;
    return written && error == EEXIST ? Creation::Exists : Creation::Unwritable;
}
// Removes the lock file at `path` when it still names this process. Under the mutex.
void RemoveOwnLock(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    char content[64];
    const ssize_t size = read(fd, content, sizeof content);
    close(fd);
    if (size > 0 && OwnerIn(content, static_cast<size_t>(size)) == getpid())
        unlink(path.c_str());
}

// At the program's normal end: the ports it still has open (workers it does not wait for) are
// given up with it, so their locks go now rather than wait for the next program to find them
// stale. No lock is taken after this.
void RemoveLocksAtExit()
{
    Locks& locks = platform::Lasting<Locks>();
    std::lock_guard lock(locks.mutex);
    locks.ending = true;
    for (const std::string& path : locks.held)
        RemoveOwnLock(path);
    locks.held.clear();
}

// Once per folder: the temporaries of lock writers that died before they could remove them.
void ClearDeadTemporaries(const std::string& folder)
{
    if (platform::Lasting<Locks>().foldersCleared.insert(folder).second)
        platform::RemoveLeftovers(folder, kTemporaryPrefix, '.');
}
} // namespace

namespace platform
{
UucpLock::UucpLock(UucpLock&& other) noexcept : m_path(std::move(other.m_path))
{
    other.m_path.clear();
}

UucpLock& UucpLock::operator=(UucpLock&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_path = std::move(other.m_path);
        other.m_path.clear();
    }
    return *this;
}

bool UucpLock::Take(const std::string& device, LockHolder& holder)
{
    Release();
    static std::once_flag atExit;
    std::call_once(atExit, [] { std::atexit(RemoveLocksAtExit); });
    Locks& locks = platform::Lasting<Locks>();
    std::lock_guard lock(locks.mutex);
    if (locks.ending)
        return true;
    const std::string folder = LockFolder();
    ClearDeadTemporaries(folder);
    const std::string path = folder + "/" + LockName(device);
    // A lock that appears between the check and the creation is checked again; a third
    // appearance in a row means a program keeps taking it.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        const LockState state = ClearStale(path, holder);
        if (state == LockState::Held)
            return false;
        switch (Create(folder, path))
        {
        case Creation::Created:
            locks.held.insert(path);
            m_path = path;
            return true;
        case Creation::Unwritable:
            // Without a lock of its own the port is used all the same, stale lock or not.
            return true;
        case Creation::Exists:
            if (state == LockState::StaleKept)
            {
                holder.stale = true;
                return false;
            }
            break;
        }
    }
    holder = {"another program", path, false, false};
    return false;
}

void UucpLock::Release()
{
    if (m_path.empty())
        return;
    Locks& locks = platform::Lasting<Locks>();
    std::lock_guard lock(locks.mutex);
    // After the program's end removed it, a file of that name may be another program's.
    if (locks.held.erase(m_path) != 0)
        RemoveOwnLock(m_path);
    m_path.clear();
}

std::string UucpLockPath(const std::string& device)
{
    std::lock_guard lock(platform::Lasting<Locks>().mutex);
    return LockFolder() + "/" + LockName(device);
}
} // namespace platform

void SetUucpLockFolderForTesting(const char* folder)
{
    Locks& locks = platform::Lasting<Locks>();
    std::lock_guard lock(locks.mutex);
    if (folder)
        locks.folderForTesting = folder;
    else
        locks.folderForTesting.reset();
}
