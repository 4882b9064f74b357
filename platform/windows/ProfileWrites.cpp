// Profile writes on Windows: every write, and every batch of them (platform/ProfileBatch.h),
// reaches the file as one replacement under the profile's lock; a write is refused as on Linux
// (platform/win32.h) when its names or value could not be read back as written. The system's own
// WritePrivateProfileStringA makes the new text, on a complete copy of the profile, so that the
// file ends exactly as the system's calls made one by one would leave it; the copy, flushed,
// then replaces the profile.
#include "platform/ProfileBatch.h"
#include "platform/posix/PrivateProfileText.h"
#include "platform/windows/SystemCalls.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace
{
struct ProfileWrite
{
    std::string section;
    std::optional<std::string> key;   // none: the section goes
    std::optional<std::string> value; // none: the key goes
};

// Replacing a profile that a reader has open without delete sharing fails for a moment; the
// save tries again for this long before it gives up.
constexpr DWORD kReplaceRetryMs = 2000;
constexpr DWORD kReplacePauseMs = 20;
// The lock is a byte far past the end of any profile: a lock on Windows keeps others from
// reading the bytes it covers, and readers must not wait for a save.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

std::atomic<unsigned> g_temporaryCounter{0};

std::optional<std::string> Text(LPCSTR text)
{
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// The profile opened for its lock, held by this process until the object goes.
class ProfileLock
{
public:
    ~ProfileLock()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file); // also releases the lock
    }

    // Opens and locks the profile `path`; false with the system's error when it cannot be
    // opened. A profile that does not exist yet is not locked: Exists() then says so, and its
    // creation is what another writer would find (see Replace).
    bool Take(const std::string& path)
    {
        for (;;)
        {
            m_file = CreateFileA(path.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_file == INVALID_HANDLE_VALUE)
                return GetLastError() == ERROR_FILE_NOT_FOUND;
            OVERLAPPED at{};
            at.OffsetHigh = kLockOffsetHigh;
            if (!LockFileEx(m_file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at))
                return false;
            // A writer that held the lock before us may have replaced the file meanwhile: the
            // lock then guards a file that has no name any more.
            if (StillNamed(path))
                return true;
            CloseHandle(m_file);
        }
    }

    bool Exists() const { return m_file != INVALID_HANDLE_VALUE; }

    // The whole content of the locked profile.
    bool Read(std::string& content) const
    {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(m_file, &size) || size.HighPart != 0)
            return false;
        content.resize(size.LowPart);
        DWORD read = 0;
        return ReadFile(m_file, content.data(), size.LowPart, &read, nullptr) &&
               read == size.LowPart;
    }

private:
    bool StillNamed(const std::string& path) const
    {
        BY_HANDLE_FILE_INFORMATION locked{};
        if (!GetFileInformationByHandle(m_file, &locked))
            return false;
        const HANDLE again =
            CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (again == INVALID_HANDLE_VALUE)
            return false;
        BY_HANDLE_FILE_INFORMATION current{};
        const bool same = GetFileInformationByHandle(again, &current) &&
                          current.nFileIndexHigh == locked.nFileIndexHigh &&
                          current.nFileIndexLow == locked.nFileIndexLow &&
                          current.dwVolumeSerialNumber == locked.dwVolumeSerialNumber;
        CloseHandle(again);
        return same;
    }

    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// A file beside the profile that no other save uses.
std::string TemporaryBeside(const std::string& path)
{
    return path + ".~" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(g_temporaryCounter.fetch_add(1)) + ".tmp";
}

bool WriteWhole(const std::string& path, const std::string& content)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    const DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return whole;
}

// Every byte of `path` on the disk, whoever wrote it.
bool Flush(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed;
}

// Puts `temporary` in place of `path` (of which `existed` says whether it was there when the
// lock was taken), trying again while a reader keeps the profile open.
bool Replace(const std::string& path, const std::string& temporary, bool existed)
{
    for (DWORD waited = 0;; waited += kReplacePauseMs)
    {
        const bool done =
            existed ? ReplaceFileA(path.c_str(), temporary.c_str(), nullptr,
                                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                    : MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
        if (done)
            return true;
        const DWORD error = GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                          error == ERROR_UNABLE_TO_REMOVE_REPLACED;
        if (!busy || waited >= kReplaceRetryMs)
            return false;
        Sleep(kReplacePauseMs);
    }
}

// Applies `writes` in order to the profile `path` in one replacement; FALSE with the file
// untouched and the reason in GetLastError otherwise.
BOOL Save(const std::string& path, const std::vector<ProfileWrite>& writes)
{
    if (writes.empty())
        return TRUE;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return Fail(ERROR_ACCESS_DENIED);
    ProfileLock lock;
    if (!lock.Take(path))
        return Fail(GetLastError());
    std::string content;
    if (lock.Exists() && !lock.Read(content))
        return Fail(ERROR_READ_FAULT);
    const std::string temporary = TemporaryBeside(path);
    if (!WriteWhole(temporary, content))
    {
        const DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        return Fail(error == ERROR_PATH_NOT_FOUND || error == ERROR_ACCESS_DENIED
                        ? error
                        : ERROR_WRITE_FAULT);
    }
    DWORD error = ERROR_SUCCESS;
    for (const ProfileWrite& write : writes)
    {
        if (!WritePrivateProfileStringA(
                write.section.c_str(), write.key ? write.key->c_str() : nullptr,
                write.value ? write.value->c_str() : nullptr, temporary.c_str()))
        {
            error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
            break;
        }
    }
    if (error == ERROR_SUCCESS && !Flush(temporary))
        error = ERROR_WRITE_FAULT;
    if (error == ERROR_SUCCESS && !Replace(path, temporary, lock.Exists()))
        error = ERROR_WRITE_FAULT;
    if (error != ERROR_SUCCESS)
    {
        DeleteFileA(temporary.c_str());
        return Fail(error);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

// The batches open on this thread, innermost last.
thread_local std::vector<platform::ProfileBatch::Pending*> t_openBatches;
} // namespace

namespace platform
{
struct ProfileBatch::Pending
{
    std::string path;
    std::vector<ProfileWrite> writes;
    bool open = true;
};

ProfileBatch::ProfileBatch(LPCSTR lpFileName) : m_pending(std::make_unique<Pending>())
{
    m_pending->path = lpFileName != nullptr ? lpFileName : "";
    t_openBatches.push_back(m_pending.get());
}

ProfileBatch::~ProfileBatch()
{
    std::erase(t_openBatches, m_pending.get());
}

BOOL ProfileBatch::Commit()
{
    if (!m_pending->open)
        return TRUE;
    m_pending->open = false;
    std::erase(t_openBatches, m_pending.get());
    return Save(m_pending->path, m_pending->writes);
}

BOOL WINAPI ProgramWritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                              LPCSTR lpFileName)
{
    // What could not be read back as written is refused, by the rules of the Linux build.
    if (lpAppName == nullptr || lpFileName == nullptr ||
        !profile::IsWritableSectionName(lpAppName) ||
        (lpKeyName != nullptr && !profile::IsWritableKey(lpKeyName)) ||
        (lpString != nullptr && !profile::IsWritableValue(lpString)))
        return Fail(ERROR_INVALID_PARAMETER);
    ProfileWrite write{lpAppName, Text(lpKeyName), Text(lpString)};
    for (auto batch = t_openBatches.rbegin(); batch != t_openBatches.rend(); ++batch)
    {
        if ((*batch)->path == lpFileName)
        {
            (*batch)->writes.push_back(std::move(write));
            SetLastError(ERROR_SUCCESS);
            return TRUE;
        }
    }
    return Save(lpFileName, {write});
}
} // namespace platform
