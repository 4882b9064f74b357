// GetPrivateProfileStringA, WritePrivateProfileStringA, GetPrivateProfileSectionNamesA and the
// batch of writes, on POSIX files. Each call reads the file afresh (nothing is cached); a write
// reads, changes and replaces the file under the profile's lock (PrivateProfileStore.h), so
// writers never lose one another's changes and the file always holds the old or the new content.
#include "platform/ProfileBatch.h"
#include "platform/posix/Errors.h"
#include "platform/posix/PrivateProfileStore.h"
#include "platform/posix/PrivateProfileText.h"
#include "platform/win32.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace
{
// One call of WritePrivateProfileStringA, checked and trimmed: no key removes the section, no
// value removes the key.
struct Edit
{
    std::string section;
    std::optional<std::string> key;
    std::optional<std::string> value;

    bool Creates() const { return key && value; }
};

// The edit that WritePrivateProfileStringA's arguments ask for; nullopt when they could not be
// written so that they read back as given.
std::optional<Edit> EditFor(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString)
{
    using namespace platform::profile;
    if (lpAppName == nullptr || !IsWritableSectionName(lpAppName) ||
        (lpKeyName != nullptr && !IsWritableKey(lpKeyName)) ||
        (lpKeyName != nullptr && lpString != nullptr && !IsWritableValue(lpString)))
        return std::nullopt;
    Edit edit{std::string(TrimBlanks(lpAppName)), std::nullopt, std::nullopt};
    if (lpKeyName != nullptr)
    {
        edit.key = std::string(TrimBlanks(lpKeyName));
        if (lpString != nullptr)
            edit.value = lpString;
    }
    return edit;
}

std::optional<std::string> Apply(std::string_view text, const Edit& edit)
{
    using namespace platform::profile;
    if (!edit.key)
        return RemoveSection(text, edit.section);
    if (!edit.value)
        return RemoveKey(text, edit.section, *edit.key);
    return SetValue(text, edit.section, *edit.key, *edit.value);
}

// Applies `edits` in order to the file as it is under the lock, and replaces the file once if
// they change it. Returns ERROR_SUCCESS, or the reason with the file untouched.
DWORD WriteEdits(LPCSTR lpFileName, const std::vector<Edit>& edits)
{
    using namespace platform::profile;
    std::string target;
    const DWORD resolved = SaveTarget(lpFileName, target);
    if (resolved != ERROR_SUCCESS)
        return resolved;
    const bool creates =
        std::any_of(edits.begin(), edits.end(), [](const Edit& edit) { return edit.Creates(); });
    LockedProfile profile;
    const DWORD locked = profile.Lock(target, creates);
    if (locked == ERROR_FILE_NOT_FOUND && !creates)
        return ERROR_SUCCESS; // nothing there to remove
    if (locked != ERROR_SUCCESS)
        return locked;

    std::optional<std::string> text;
    for (const Edit& edit : edits)
    {
        if (auto edited = Apply(text ? *text : profile.Text(), edit))
            text = std::move(edited);
    }
    return text ? profile.Replace(*text) : ERROR_SUCCESS;
}

BOOL Succeed()
{
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL Finish(DWORD result)
{
    return result == ERROR_SUCCESS ? Succeed() : platform::FailWith(result);
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

// ---------------------------------------------------------------------------------------------
// Batches
// ---------------------------------------------------------------------------------------------

struct platform::ProfileBatch::Pending
{
    std::string fileName;
    std::vector<Edit> edits;
    Pending* outer; // the batch opened before this one on the same thread
    bool open = true;
};

namespace
{
// The batches open on this thread, the innermost first.
thread_local platform::ProfileBatch::Pending* t_openBatches = nullptr;

platform::ProfileBatch::Pending* CollectingBatch(LPCSTR lpFileName)
{
    for (auto* batch = t_openBatches; batch != nullptr; batch = batch->outer)
    {
        if (batch->fileName == lpFileName)
            return batch;
    }
    return nullptr;
}

void EndBatch(platform::ProfileBatch::Pending& batch)
{
    if (!batch.open)
        return;
    batch.open = false;
    for (auto** link = &t_openBatches; *link != nullptr; link = &(*link)->outer)
    {
        if (*link == &batch)
        {
            *link = batch.outer;
            return;
        }
    }
}
} // namespace

namespace platform
{
ProfileBatch::ProfileBatch(LPCSTR lpFileName)
    : m_pending(new Pending{lpFileName != nullptr ? lpFileName : "", {}, t_openBatches})
{
    t_openBatches = m_pending.get();
}

ProfileBatch::~ProfileBatch()
{
    EndBatch(*m_pending);
}

BOOL ProfileBatch::Commit()
{
    EndBatch(*m_pending);
    const std::vector<Edit> edits = std::move(m_pending->edits);
    m_pending->edits.clear();
    return edits.empty() ? Succeed() : Finish(WriteEdits(m_pending->fileName.c_str(), edits));
}
} // namespace platform

// ---------------------------------------------------------------------------------------------
// The Win32 calls
// ---------------------------------------------------------------------------------------------

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (lpReturnedString == nullptr || nSize == 0)
    {
        SetLastError(lpReturnedString == nullptr ? ERROR_INVALID_PARAMETER : ERROR_MORE_DATA);
        return 0;
    }
    std::string file;
    const DWORD loadError = lpFileName == nullptr
                                ? ERROR_INVALID_PARAMETER
                                : platform::profile::ReadProfile(lpFileName, file);
    bool truncated = false;
    DWORD result = 0;
    if (lpAppName == nullptr)
        result =
            CopyList(platform::profile::SectionNames(file), lpReturnedString, nSize, truncated);
    else if (lpKeyName == nullptr)
        result =
            CopyList(platform::profile::KeyNames(file, platform::profile::TrimBlanks(lpAppName)),
                     lpReturnedString, nSize, truncated);
    else
    {
        const auto value =
            platform::profile::FindValue(file, platform::profile::TrimBlanks(lpAppName),
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
    std::optional<Edit> edit = EditFor(lpAppName, lpKeyName, lpString);
    if (!edit || lpFileName == nullptr)
        return platform::FailWith(ERROR_INVALID_PARAMETER);
    if (platform::ProfileBatch::Pending* batch = CollectingBatch(lpFileName))
    {
        batch->edits.push_back(std::move(*edit));
        return Succeed();
    }
    return Finish(WriteEdits(lpFileName, {std::move(*edit)}));
}
