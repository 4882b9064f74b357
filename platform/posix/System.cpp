// Error state, ASCII string rules and the executable's path.
#include "platform/TextRules.h"
#include "platform/win32.h"

#include "platform/posix/ModuleFileTesting.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <unistd.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;

std::mutex g_moduleFolderMutex;
std::optional<std::string> g_moduleFolderForTesting;

// The executable's path, or the file name of it in the test's folder; false when unknown.
bool ModulePath(std::string& path)
{
    char real[4096];
    const ssize_t length = readlink("/proc/self/exe", real, sizeof real - 1);
    if (length < 0)
        return false;
    path.assign(real, static_cast<size_t>(length));
    std::lock_guard lock(g_moduleFolderMutex);
    if (g_moduleFolderForTesting)
        path = *g_moduleFolderForTesting + path.substr(path.rfind('/'));
    return true;
}
} // namespace

void SetModuleFolderForTesting(const char* folder)
{
    std::lock_guard lock(g_moduleFolderMutex);
    if (folder != nullptr)
        g_moduleFolderForTesting = folder;
    else
        g_moduleFolderForTesting.reset();
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
