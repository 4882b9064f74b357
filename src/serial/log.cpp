#include "src/serial/log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace
{
constexpr int kLineBufferSize = 256;

std::mutex g_streamMutex;
FILE* g_stream = nullptr; // guarded by g_streamMutex
std::atomic<const volatile BYTE*> g_enabledFlag{nullptr};

bool LoggingEnabled()
{
    const volatile BYTE* flag = g_enabledFlag.load(std::memory_order_acquire);
    return flag == nullptr || *flag != 0;
}

// Formats the whole line into `line`; returns its length, line feed included.
int FormatLine(char (&line)[kLineBufferSize], const char* module, int lineNumber,
               const char* format, va_list arguments)
{
    constexpr int kLastText = kLineBufferSize - 2; // room for the line feed and the NUL
    int length = std::snprintf(line, kLineBufferSize, "[%s (%d)]: ", module, lineNumber);
    if (length < 0)
        length = 0;
    if (length > kLastText)
        length = kLastText;
    const int message = std::vsnprintf(line + length, kLineBufferSize - length, format, arguments);
    if (message > 0)
        length += message;
    if (length > kLastText)
        length = kLastText;
    line[length++] = '\n';
    line[length] = '\0';
    return length;
}
} // namespace

const volatile BYTE* log_SetEnabledFlag(const volatile BYTE* flag)
{
    return g_enabledFlag.exchange(flag, std::memory_order_acq_rel);
}

void log_Open()
{
    std::lock_guard lock(g_streamMutex);
    if (g_stream != nullptr)
        std::fclose(g_stream);
    g_stream = std::fopen("./log.txt", "w");
}

void log_Close()
{
    std::lock_guard lock(g_streamMutex);
    if (g_stream != nullptr)
        std::fclose(g_stream);
    g_stream = nullptr;
}

void log_Printf(const char* module, int line, const char* format, ...)
{
    if (!LoggingEnabled())
        return;
    char text[kLineBufferSize];
    va_list arguments;
    va_start(arguments, format);
    const int length = FormatLine(text, module ? module : "", line, format, arguments);
    va_end(arguments);

    std::lock_guard lock(g_streamMutex);
    if (g_stream != nullptr)
        std::fwrite(text, 1, static_cast<size_t>(length), g_stream);
}
