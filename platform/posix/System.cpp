// Error state, ASCII string rules and the executable's path.
#include "platform/win32.h"

#include <cerrno>
#include <cstring>
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
