// Error state, ASCII string rules and the executable's path (in the folder that stands for its
// folder: see ProgramFolder.h).
#include "platform/TextRules.h"
#include "platform/win32.h"

#include "platform/posix/FolderForTesting.h"
#include "platform/posix/Lasting.h"
#include "platform/posix/ModuleFileTesting.h"
#include "platform/posix/ProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;

struct ModuleFolderForTesting : platform::FolderForTesting
{
};

// The executable's file name in the folder that stands for its folder (the test's folder, or
// ProgramFolder's answer): callers cut the name off and keep their files there. False when
// unknown.
bool ModulePath(std::string& path)
{
    path = platform::ExecutablePath();
    if (path.empty())
        return false;
    const std::string name = path.substr(path.rfind('/'));
    if (const auto folder = platform::Lasting<ModuleFolderForTesting>().Get())
    {
        path = *folder + name;
        return true;
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
    platform::Lasting<ModuleFolderForTesting>().Set(folder);
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
