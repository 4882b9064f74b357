// Error state, ASCII string rules and the executable's path (in the folder that stands for its
// folder: see ProgramFolder.h).
#include "platform/TextRules.h"
#include "platform/win32.h"

#include "platform/posix/Lasting.h"
#include "platform/posix/ModuleFileTesting.h"
#include "platform/posix/ProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <unistd.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;

struct FolderForTesting
{
    std::mutex mutex;
    std::optional<std::string> folder; // guarded by the mutex
};

// The executable's file name in the folder that stands for its folder (the test's folder, or
// ProgramFolder's answer): callers cut the name off and keep their files there. False when
// unknown.
bool ModulePath(std::string& path)
{
    char real[4096];
    const ssize_t length = readlink("/proc/self/exe", real, sizeof real - 1);
    if (length < 0)
        return false;
    path.assign(real, static_cast<size_t>(length));
    const std::string name = path.substr(path.rfind('/'));
    {
        FolderForTesting& forTesting = platform::Lasting<FolderForTesting>();
        std::lock_guard lock(forTesting.mutex);
        if (forTesting.folder)
        {
            path = *forTesting.folder + name;
            return true;
        }
    }
    const std::string& folder = platform::ProgramFolder().folder;
    if (folder.empty())
        return false;
    path = (folder == "/" ? "" : folder) + name;
    return true;
}
} // namespace

void SetModuleFolderForTesting(const char* folder)
{
    FolderForTesting& forTesting = platform::Lasting<FolderForTesting>();
    std::lock_guard lock(forTesting.mutex);
    if (folder != nullptr)
        forTesting.folder = folder;
    else
        forTesting.folder.reset();
}

DWORD GetLastError()
{
    return t_lastError;
}

void SetLastError(DWORD error)
{
    t_lastError = error;
}

int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2)
{
    return platform::CompareNoCase(lpString1 ? lpString1 : "", lpString2 ? lpString2 : "");
}

LPSTR CharUpperA(LPSTR lpsz)
{
    for (char* p = lpsz; p && *p; ++p)
        *p = platform::AsciiUpper(*p);
    return lpsz;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    if (hModule != nullptr || lpFilename == nullptr || nSize == 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string path;
    if (!ModulePath(path))
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    const auto size = static_cast<DWORD>(path.size());
    if (size >= nSize)
    {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.data(), size);
    lpFilename[size] = '\0';
    SetLastError(ERROR_SUCCESS);
    return size;
}
