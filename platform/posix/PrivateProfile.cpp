// GetPrivateProfileStringA, WritePrivateProfileStringA and GetPrivateProfileSectionNamesA on
// POSIX files. Each call reads the file afresh (nothing is cached); a write replaces the file
// through a temporary in the same folder, so the file always holds the old or the new content.
#include "platform/posix/Errors.h"
#include "platform/posix/PrivateProfileTesting.h"
#include "platform/posix/PrivateProfileText.h"
#include "platform/win32.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
// A profile larger than this is refused (reads give the default, writes fail) rather than
// loaded: no real profile comes near it, and a huge file is far more likely a wrong one.
constexpr off_t kMaxProfileSize = 64 * 1024 * 1024;
constexpr int kTemporaryNameAttempts = 100;

std::atomic<platform::ProfileSaveHook> g_saveHook{nullptr};

struct LoadedProfile
{
    std::string text;
    bool exists = false;
    struct stat status = {};
};

// Reads the whole file. Returns ERROR_SUCCESS, or the reason it cannot be read:
// ERROR_FILE_NOT_FOUND (no such file or folder; `text` empty and `exists` false),
// ERROR_ACCESS_DENIED (no permission, or not a regular file), ERROR_NOT_ENOUGH_MEMORY (too large)
// or ERROR_READ_FAULT.
DWORD LoadProfile(const char* path, LoadedProfile& profile)
{
    // O_NONBLOCK: a FIFO put in the profile's place must not hang the wizard in open().
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ERROR_FILE_NOT_FOUND
                                                     : platform::Win32ErrorFromErrno(errno);
    DWORD result = ERROR_SUCCESS;
    if (fstat(fd, &profile.status) != 0)
        result = ERROR_READ_FAULT;
    else if (!S_ISREG(profile.status.st_mode))
        result = ERROR_ACCESS_DENIED;
    else if (profile.status.st_size > kMaxProfileSize)
        result = ERROR_NOT_ENOUGH_MEMORY;
    else
    {
        profile.text.reserve(static_cast<size_t>(profile.status.st_size));
        char chunk[65536];
        for (;;)
        {
            const ssize_t count = read(fd, chunk, sizeof chunk);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
            {
                result = ERROR_READ_FAULT;
                break;
            }
            if (count == 0)
                break;
            if (profile.text.size() + static_cast<size_t>(count) >
                static_cast<size_t>(kMaxProfileSize))
            {
                result = ERROR_NOT_ENOUGH_MEMORY;
                break;
            }
            profile.text.append(chunk, static_cast<size_t>(count));
        }
    }
    close(fd);
    if (result != ERROR_SUCCESS)
        profile.text.clear();
    profile.exists = result == ERROR_SUCCESS;
    return result;
}

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

// The file a save replaces: a symbolic link is followed, so that the link stays a link.
std::string SaveTarget(const char* path)
{
    struct stat linkStatus;
    if (lstat(path, &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode))
    {
        char resolved[PATH_MAX];
        if (realpath(path, resolved) != nullptr)
            return resolved;
    }
    return path;
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

// Replaces the file at `path` with `text`. Returns ERROR_SUCCESS, or the reason with the old
// file (if any) untouched and no temporary left behind.
DWORD SaveProfile(const char* path, const std::string& text, const LoadedProfile& old)
{
    const std::string target = SaveTarget(path);
    if (old.exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return SaveErrorFromErrno(errno);

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && fd < 0; ++attempt)
    {
        temporary = target + ".new-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        // 0666 lets the umask decide, as for any new file; an old file's mode is copied below.
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return SaveErrorFromErrno(errno);
    }
    if (fd < 0)
        return ERROR_ACCESS_DENIED;

    auto fail = [&](int error) {
        if (fd >= 0)
            close(fd);
        unlink(temporary.c_str());
        return SaveErrorFromErrno(error);
    };
    if (old.exists)
    {
        // Ownership can only be kept by a privileged process; for others it is already theirs.
        (void)!fchown(fd, old.status.st_uid, old.status.st_gid);
        if (fchmod(fd, old.status.st_mode & 07777) != 0)
            return fail(errno);
    }
    if (!WriteAll(fd, text) || fsync(fd) != 0)
        return fail(errno);
    const int closing = close(fd);
    fd = -1;
    if (closing != 0)
        return fail(errno);

    const platform::ProfileSaveHook hook = g_saveHook.load();
    if (hook != nullptr && !hook(temporary.c_str()))
        return fail(EIO);
    if (rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);

    // Makes the rename itself durable; the content is already safe either way.
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0)
    {
        (void)fsync(folderFd);
        close(folderFd);
    }
    return ERROR_SUCCESS;
}

// One text into a caller's buffer: cut to nSize-1 characters when longer. nSize >= 1.
DWORD CopyValue(std::string_view value, LPSTR buffer, DWORD nSize, bool& truncated)
{
    const size_t room = nSize - 1;
    truncated = value.size() > room;
    const size_t length = truncated ? room : value.size();
    if (length > 0)
        std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

// Names, each with its NUL, then a final NUL. When they do not fit with room to spare, the
// name that does not fit is cut, the buffer ends with two NULs and the result is nSize-2.
// nSize >= 1.
DWORD CopyList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD nSize,
               bool& truncated)
{
    truncated = false;
    if (nSize == 1)
    {
        buffer[0] = '\0';
        return 0;
    }
    size_t position = 0;
    size_t room = nSize - 1; // the final NUL is always kept free
    for (const std::string_view name : names)
    {
        const size_t needed = name.size() + 1;
        if (needed >= room)
        {
            if (room > 1)
                std::memcpy(buffer + position, name.data(), room - 1);
            buffer[position + room - 1] = '\0';
            buffer[position + room] = '\0';
            truncated = true;
            return nSize - 2;
        }
        std::memcpy(buffer + position, name.data(), name.size());
        buffer[position + name.size()] = '\0';
        position += needed;
        room -= needed;
    }
    buffer[position] = '\0';
    if (position == 0)
        buffer[1] = '\0';
    return static_cast<DWORD>(position);
}

void SetReadError(DWORD loadError, bool truncated)
{
    if (loadError != ERROR_SUCCESS)
        SetLastError(loadError);
    else
        SetLastError(truncated ? ERROR_MORE_DATA : ERROR_SUCCESS);
}
} // namespace

namespace platform
{
void SetProfileSaveHookForTesting(ProfileSaveHook hook)
{
    g_saveHook.store(hook);
}
} // namespace platform

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (lpReturnedString == nullptr || nSize == 0)
    {
        SetLastError(lpReturnedString == nullptr ? ERROR_INVALID_PARAMETER : ERROR_MORE_DATA);
        return 0;
    }
    LoadedProfile profile;
    const DWORD loadError =
        lpFileName == nullptr ? ERROR_INVALID_PARAMETER : LoadProfile(lpFileName, profile);
    bool truncated = false;
    DWORD result = 0;
    if (lpAppName == nullptr)
        result = CopyList(platform::profile::SectionNames(profile.text), lpReturnedString, nSize,
                          truncated);
    else if (lpKeyName == nullptr)
        result = CopyList(
            platform::profile::KeyNames(profile.text, platform::profile::TrimBlanks(lpAppName)),
            lpReturnedString, nSize, truncated);
    else
    {
        const auto value =
            platform::profile::FindValue(profile.text, platform::profile::TrimBlanks(lpAppName),
                                         platform::profile::TrimBlanks(lpKeyName));
        std::string_view text;
        if (value)
            text = *value;
        else if (lpDefault != nullptr)
        {
            text = lpDefault;
            while (!text.empty() && text.back() == ' ')
                text.remove_suffix(1);
        }
        result = CopyValue(text, lpReturnedString, nSize, truncated);
    }
    SetReadError(loadError, truncated);
    return result;
}

DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName)
{
    return GetPrivateProfileStringA(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName)
{
    using namespace platform::profile;
    if (lpAppName == nullptr || lpFileName == nullptr || !IsWritableSectionName(lpAppName) ||
        (lpKeyName != nullptr && !IsWritableKey(lpKeyName)) ||
        (lpKeyName != nullptr && lpString != nullptr && !IsWritableValue(lpString)))
        return platform::FailWith(ERROR_INVALID_PARAMETER);

    LoadedProfile profile;
    const DWORD loadError = LoadProfile(lpFileName, profile);
    if (loadError != ERROR_SUCCESS && loadError != ERROR_FILE_NOT_FOUND)
        return platform::FailWith(loadError);

    const std::string_view section = TrimBlanks(lpAppName);
    std::optional<std::string> edited;
    if (lpKeyName == nullptr)
        edited = RemoveSection(profile.text, section);
    else if (lpString == nullptr)
        edited = RemoveKey(profile.text, section, TrimBlanks(lpKeyName));
    else
        edited = SetValue(profile.text, section, TrimBlanks(lpKeyName), lpString);

    if (edited)
    {
        const DWORD saveError = SaveProfile(lpFileName, *edited, profile);
        if (saveError != ERROR_SUCCESS)
            return platform::FailWith(saveError);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
