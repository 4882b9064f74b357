// Reading, locking and replacing the profile file.
#include "platform/posix/PrivateProfileStore.h"

#include "platform/posix/Errors.h"
#include "platform/posix/Leftovers.h"
#include "platform/posix/PrivateProfileTesting.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace platform
{
namespace
{
std::atomic<ProfileSaveHook> g_saveHook{nullptr};
} // namespace

void SetProfileSaveHookForTesting(ProfileSaveHook hook)
{
    g_saveHook.store(hook);
}
} // namespace platform

namespace platform::profile
{
namespace
{
// A profile larger than this is refused (reads give the default, writes fail) rather than
// loaded: no real profile comes near it, and a huge file is far more likely a wrong one.
constexpr off_t kMaxProfileSize = 64 * 1024 * 1024;
constexpr int kTemporaryNameAttempts = 100;
// As many links as the kernel follows in one path before it gives up with ELOOP.
constexpr int kMostLinksFollowed = 40;
// Another writer may make and remove the file between our two opens; this many times in a row
// means something keeps changing the path under us.
constexpr int kMostCreateRaces = 100;
constexpr std::string_view kTemporaryInfix = ".new-";

DWORD SaveErrorFromErrno(int error)
{
    switch (error)
    {
    case ENOENT:
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case EIO:
        return ERROR_WRITE_FAULT;
    default:
        return platform::Win32ErrorFromErrno(error);
    }
}

// Reads the regular file open on `fd` from its start.
DWORD ReadAll(int fd, std::string& text)
{
    text.clear();
    struct stat status;
    if (fstat(fd, &status) != 0)
        return ERROR_READ_FAULT;
    if (!S_ISREG(status.st_mode))
        return ERROR_ACCESS_DENIED;
    if (status.st_size > kMaxProfileSize)
        return ERROR_NOT_ENOUGH_MEMORY;
    text.reserve(static_cast<size_t>(status.st_size));
    char chunk[65536];
    for (off_t offset = 0;;)
    {
        const ssize_t count = pread(fd, chunk, sizeof chunk, offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
        {
            text.clear();
            return ERROR_READ_FAULT;
        }
        if (count == 0)
            return ERROR_SUCCESS;
        if (text.size() + static_cast<size_t>(count) > static_cast<size_t>(kMaxProfileSize))
        {
            text.clear();
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        text.append(chunk, static_cast<size_t>(count));
        offset += count;
    }
}

// O_NONBLOCK: a FIFO put in the profile's place must not hang the wizard in open().
int OpenForReading(const std::string& path, int extraFlags = 0)
{
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags, 0666);
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty())
    {
        const ssize_t count = write(fd, data.data(), data.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
        {
            if (count == 0)
                errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Removes the temporaries of `target` left by writers that died between naming their new
// content and renaming it. Called under the lock, so no writer that takes it is in that window;
// the process check spares a writer that does not take it.
void RemoveDeadWritersTemporaries(const std::string& target)
{
    platform::RemoveLeftovers(FolderOf(target), NameOf(target) + std::string(kTemporaryInfix), '-');
}

// The new content on its way to the profile's name: unnamed while it is written where the
// file system allows it, named "<target>.new-<pid>-<n>" otherwise. Whatever is left of it is
// removed when the object goes, unless it became the profile.
class Temporary
{
public:
    explicit Temporary(const std::string& target) : m_target(target) {}
    ~Temporary()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_name.empty())
            unlink(m_name.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int Descriptor() const { return m_fd; }

    // 0666 lets the umask decide, as for any new file; an old file's mode is copied later.
    DWORD Create()
    {
        m_fd = open(FolderOf(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            return ERROR_SUCCESS;
        // Without O_TMPFILE in the kernel or the file system, a named file does the same job.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return SaveErrorFromErrno(errno);
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt)
        {
            const std::string name = NameFor(attempt);
            m_fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0)
            {
                m_name = name;
                return ERROR_SUCCESS;
            }
            if (errno != EEXIST)
                return SaveErrorFromErrno(errno);
        }
        return ERROR_ACCESS_DENIED;
    }

    // Renames the complete, flushed file over the target. Naming and renaming follow one
    // another at once, as nothing else must fall between them.
    DWORD Install()
    {
        if (m_name.empty())
        {
            const DWORD named = GiveName();
            if (named != ERROR_SUCCESS)
                return named;
        }
        if (rename(m_name.c_str(), m_target.c_str()) != 0)
            return SaveErrorFromErrno(errno);
        m_name.clear();
        return ERROR_SUCCESS;
    }

private:
    std::string NameFor(int attempt) const
    {
        return m_target + std::string(kTemporaryInfix) + std::to_string(getpid()) + "-" +
               std::to_string(attempt);
    }

    // rename() needs a name; it is given only now, so that a writer killed while writing
    // leaves nothing behind.
    DWORD GiveName()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt)
        {
            const std::string name = NameFor(attempt);
            int linked = linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno == ENOENT) // no /proc: the direct way needs privilege
                linked = linkat(m_fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
            if (linked == 0)
            {
                m_name = name;
                return ERROR_SUCCESS;
            }
            if (errno != EEXIST)
                return SaveErrorFromErrno(errno);
        }
        return ERROR_ACCESS_DENIED;
    }

    std::string m_target;
    int m_fd = -1;
    std::string m_name; // empty while the file has no name
};

// Makes the rename itself durable; the content is already safe either way.
void SyncFolder(const std::string& target)
{
    const int folder = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
    {
        (void)fsync(folder);
        close(folder);
    }
}
} // namespace

DWORD ReadProfile(const char* path, std::string& text)
{
    text.clear();
    const int fd = OpenForReading(path);
    if (fd < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ERROR_FILE_NOT_FOUND
                                                     : platform::Win32ErrorFromErrno(errno);
    const DWORD result = ReadAll(fd, text);
    close(fd);
    return result;
}

DWORD SaveTarget(const char* path, std::string& target)
{
    target = path;
    for (int followed = 0; followed < kMostLinksFollowed; ++followed)
    {
        struct stat status;
        if (lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return ERROR_SUCCESS;
        std::vector<char> link(PATH_MAX);
        const ssize_t length = readlink(target.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<size_t>(length) >= link.size())
            return ERROR_SUCCESS; // the open or the rename reports what is wrong with it
        const std::string next(link.data(), static_cast<size_t>(length));
        if (next.front() == '/')
            target = next;
        else
        {
            const size_t slash = target.rfind('/');
            target =
                (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + next;
        }
    }
    return ERROR_FILE_NOT_FOUND;
}

LockedProfile::~LockedProfile()
{
    if (m_fd < 0)
        return;
    struct stat current;
    if (m_created && stat(m_target.c_str(), &current) == 0 && current.st_dev == m_status.st_dev &&
        current.st_ino == m_status.st_ino)
        unlink(m_target.c_str());
    close(m_fd); // releases the lock
}

DWORD LockedProfile::Lock(const std::string& target, bool create)
{
    m_target = target;
    int createRaces = 0;
    for (;;)
    {
        bool created = false;
        int fd = OpenForReading(target);
        if (fd < 0 && errno == ENOENT && create)
        {
            fd = OpenForReading(target, O_CREAT | O_EXCL);
            if (fd < 0 && errno == EEXIST && ++createRaces < kMostCreateRaces)
                continue;
            created = fd >= 0;
        }
        if (fd < 0)
        {
            if (!create && (errno == ENOENT || errno == ENOTDIR))
                return ERROR_FILE_NOT_FOUND;
            return SaveErrorFromErrno(errno);
        }
        struct stat locked;
        if (fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode))
        {
            close(fd);
            return ERROR_ACCESS_DENIED;
        }
        int locking;
        while ((locking = flock(fd, LOCK_EX)) != 0 && errno == EINTR)
        {
        }
        if (locking != 0)
        {
            const int error = errno;
            close(fd);
            return platform::Win32ErrorFromErrno(error);
        }
        // The writer we waited for replaced the file: its successor is the one to lock.
        struct stat current;
        if (stat(target.c_str(), &current) != 0 || current.st_dev != locked.st_dev ||
            current.st_ino != locked.st_ino)
        {
            close(fd);
            continue;
        }
        m_fd = fd;
        m_created = created;
        fstat(fd, &m_status);
        return ReadAll(fd, m_text);
    }
}

DWORD LockedProfile::Replace(std::string_view text)
{
    if (!m_created)
    {
        // Root may write anything; a file nobody may write is still refused, as editors do.
        if ((m_status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return ERROR_ACCESS_DENIED;
        if (faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0)
            return SaveErrorFromErrno(errno);
    }
    RemoveDeadWritersTemporaries(m_target);

    Temporary temporary(m_target);
    const DWORD created = temporary.Create();
    if (created != ERROR_SUCCESS)
        return created;
    const int fd = temporary.Descriptor();
    // The owner can only be kept by a privileged process, the group also by a member of it.
    if (fchown(fd, m_status.st_uid, m_status.st_gid) != 0)
        (void)!fchown(fd, static_cast<uid_t>(-1), m_status.st_gid);
    if (fchmod(fd, m_status.st_mode & 07777) != 0 || !WriteAll(fd, text) || fsync(fd) != 0)
        return SaveErrorFromErrno(errno);

    const ProfileSaveHook hook = g_saveHook.load();
    if (hook != nullptr && !hook())
        return ERROR_WRITE_FAULT;
    const DWORD installed = temporary.Install();
    if (installed != ERROR_SUCCESS)
        return installed;
    m_created = false;
    SyncFolder(m_target);
    return ERROR_SUCCESS;
}
} // namespace platform::profile
