// Why a COM port did not open, on Windows: the system's message for CreateFileA's error, with
// what it means for a serial port. Windows has no permission on ports to grant, so the hint for
// a user who found no adapter is always empty.
#include "platform/PortAccess.h"
#include "platform/TextRules.h"
#include "platform/windows/SystemCalls.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <string_view>

namespace
{
std::atomic<PortFailureTrace> g_trace{nullptr};

// "\\.\COMn" in any letter case, n from 1 without a leading zero.
bool IsComPortName(LPCSTR name)
{
    if (name == nullptr)
        return false;
    const std::string_view text = name;
    if (!platform::BeginsWithNoCase(text, "\\\\.\\COM") || text.size() < 8)
        return false;
    const std::string_view number = text.substr(7);
    return number[0] >= '1' && number[0] <= '9' &&
           number.find_first_not_of("0123456789") == std::string_view::npos;
}

// The system's text for `error`, without its line end; the number when there is none.
std::string SystemMessage(DWORD error)
{
    char text[512] = {};
    DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;
    return length > 0 ? std::string(text, length) : "error " + std::to_string(error);
}

// What the error says about a serial port.
const char* Meaning(DWORD error)
{
    switch (error)
    {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return " (no such port on this computer)";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return " (in use by another program)";
    default:
        return "";
    }
}

void Trace(LPCSTR name, DWORD error)
{
    const PortFailureTrace trace = g_trace.load();
    if (trace == nullptr)
        return;
    const std::string text =
        std::string("<") + (name + 4) + "> " + name + ": " + SystemMessage(error) + Meaning(error);
    trace(__FILE__, __LINE__, text.c_str());
}
} // namespace

PortFailureTrace SetPortFailureTrace(PortFailureTrace trace)
{
    return g_trace.exchange(trace);
}

std::string GetPortPermissionHint()
{
    return {};
}

namespace platform
{
HANDLE WINAPI ProgramCreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                 LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                 DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                 HANDLE hTemplateFile)
{
    const HANDLE file = CreateFileA(lpFileName, dwDesiredAccess, dwShareMode, lpSecurityAttributes,
                                    dwCreationDisposition, dwFlagsAndAttributes, hTemplateFile);
    if (file == INVALID_HANDLE_VALUE && IsComPortName(lpFileName))
    {
        const DWORD error = GetLastError();
        Trace(lpFileName, error);
        SetLastError(error);
    }
    return file;
}
} // namespace platform
