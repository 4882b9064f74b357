// Error state, ASCII string rules and the executable's path.
#include "platform/TextRules.h"
#include "platform/win32.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;
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
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length < 0)
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    const auto size = static_cast<DWORD>(length);
    if (size >= nSize)
    {
        std::memcpy(lpFilename, path, nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path, size);
    lpFilename[size] = '\0';
    SetLastError(ERROR_SUCCESS);
    return size;
}
