// Why a COM port did not open, on Windows: the system's message for CreateFileA's error, with
// what it means for a serial port, kept as the port's last failure. Windows has no permission on
// ports to grant and does not name a port's holder, so the hint for a user who found no adapter
// is always empty.
#include "platform/PortAccess.h"
#include "platform/TextRules.h"
#include "platform/posix/Lasting.h"
#include "platform/windows/SystemCalls.h"

#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace
{
std::atomic<PortFailureTrace> g_trace{nullptr};

// Each port's last failure in words, by the port's name in upper case; never destroyed, as
// workers may still open ports while the program ends.
struct Failures
{
    std::mutex mutex;
    std::map<std::string, std::string> byPort; // guarded by the mutex
};

std::string PortKey(LPCSTR name)
{
    std::string key = name + 4;
    for (char& c : key)
        c = platform::AsciiUpper(c);
    return key;
}

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

void Report(LPCSTR name, DWORD error)
{
    const std::string description = SystemMessage(error) + Meaning(error);
    {
        std::lock_guard lock(platform::Lasting<Failures>().mutex);
        platform::Lasting<Failures>().byPort.insert_or_assign(PortKey(name), description);
    }
    const PortFailureTrace trace = g_trace.load();
    if (trace == nullptr)
        return;
    const std::string text = std::string("<") + (name + 4) + "> " + name + ": " + description;
    trace(__FILE__, __LINE__, text.c_str());
}

void Forget(LPCSTR name)
{
    std::lock_guard lock(platform::Lasting<Failures>().mutex);
    platform::Lasting<Failures>().byPort.erase(PortKey(name));
}
} // namespace

PortFailureTrace SetPortFailureTrace(PortFailureTrace trace)
{
    return g_trace.exchange(trace);
}

std::string GetPortFailureDetails(const char* portName)
{
    if (!IsComPortName(portName))
        return {};
    std::lock_guard lock(platform::Lasting<Failures>().mutex);
    const auto found = platform::Lasting<Failures>().byPort.find(PortKey(portName));
    return found == platform::Lasting<Failures>().byPort.end()
               ? std::string()
               : found->first + ": " + found->second;
}

std::string GetPortFailureHint()
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
    if (IsComPortName(lpFileName))
    {
        const DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE)
            Report(lpFileName, error);
        else
            Forget(lpFileName);
        SetLastError(error);
    }
    return file;
}
} // namespace platform
