// Error state, ASCII string rules and the executable's path (in the folder that stands for its
// folder: see ProgramFolder.h).
#include "platform/win32.h"

#include "platform/posix/ProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

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
    const char* a = lpString1 ? lpString1 : "";
    const char* b = lpString2 ? lpString2 : "";
    for (;; ++a, ++b)
    {
        const auto ca = static_cast<unsigned char>(AsciiUpper(*a));
        const auto cb = static_cast<unsigned char>(AsciiUpper(*b));
        if (ca != cb || ca == 0)
            return ca < cb ? -1 : (ca > cb ? 1 : 0);
    }
}

LPSTR CharUpperA(LPSTR lpsz)
{
    for (char* p = lpsz; p && *p; ++p)
        *p = AsciiUpper(*p);
    return lpsz;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    if (hModule != nullptr || lpFilename == nullptr || nSize == 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    char executable[4096];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    const std::string& folder = platform::ProgramFolder();
    if (length < 0 || folder.empty())
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    // The executable's own name in the folder that stands for its folder: callers cut the name
    // off and keep their files there.
    const std::string_view file(executable, static_cast<size_t>(length));
    const std::string path =
        (folder == "/" ? "" : folder) + "/" + std::string(file.substr(file.rfind('/') + 1));
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
