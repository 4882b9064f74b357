#include "src/serial/log.h"

#include "platform/ProgramFiles.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <string_view>
#include <unistd.h>

namespace
{
// The line format "[module (line)]: format\n" is built in a buffer of this size, so the message
// format is cut where module, number and format together would not fit; the arguments are not
// bounded by it.
constexpr size_t kLineBufferSize = 256;
constexpr std::string_view kLineEnd = "\n";
constexpr std::string_view kConversionFlags = "-+ #0'";
constexpr std::string_view kLengthModifiers = "hlLqjzt";
constexpr std::string_view kConversions = "diouxXeEfFgGaAcspnm%";

struct LogFile
{
    std::mutex mutex;
    int fd = -1;      // guarded by mutex
    off_t length = 0; // bytes written since log_Open; guarded by mutex
    bool cut = false; // the limit was reached; guarded by mutex
    std::string cutNotice;
    std::string path; // of the file open or last opened, absolute; guarded by mutex
};

// Never destroyed: worker threads that the program leaves running when it ends may still log
// while exit() runs.
LogFile& Log()
{
    static LogFile* const log = new LogFile;
    return *log;
}

std::atomic<const volatile BYTE*> g_enabledFlag{nullptr};

bool LoggingEnabled()
{
    const volatile BYTE* flag = g_enabledFlag.load(std::memory_order_acquire);
    return flag == nullptr || *flag != 0;
}

// Where `format` must end so that no conversion is cut in half: its length, or the start of a
// conversion that runs past its end.
size_t WholeConversionsEnd(std::string_view format)
{
    for (size_t at = 0; at < format.size(); ++at)
    {
        if (format[at] != '%')
            continue;
        const size_t start = at++;
        while (at < format.size() && kConversionFlags.find(format[at]) != std::string_view::npos)
            ++at;
        while (at < format.size() &&
               (format[at] == '*' || format[at] == '.' || (format[at] >= '0' && format[at] <= '9')))
            ++at;
        while (at < format.size() && kLengthModifiers.find(format[at]) != std::string_view::npos)
            ++at;
        if (at >= format.size() || kConversions.find(format[at]) == std::string_view::npos)
            return start;
    }
    return format.size();
}

std::string Expand(const std::string& format, va_list arguments)
{
    va_list counting;
    va_copy(counting, arguments);
    const int length = std::vsnprintf(nullptr, 0, format.c_str(), counting);
    va_end(counting);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format.c_str(), arguments);
    text.pop_back();
    return text;
}

// The whole line, line feed included. `module` is copied as text, never read as format.
std::string FormatLine(const char* module, int lineNumber, const char* format, va_list arguments)
{
    std::string line = std::string("[") + module + " (" + std::to_string(lineNumber) + ")]: ";
    const size_t room = kLineBufferSize - 1 - kLineEnd.size(); // the NUL and the line feed
    if (line.size() >= room)
    {
        line.resize(room);
        return line.append(kLineEnd);
    }
    std::string_view messageFormat = format;
    if (messageFormat.size() > room - line.size())
    {
        messageFormat = messageFormat.substr(0, room - line.size());
        messageFormat = messageFormat.substr(0, WholeConversionsEnd(messageFormat));
    }
    return line.append(Expand(std::string(messageFormat), arguments)).append(kLineEnd);
}

std::string LineOf(const char* module, int lineNumber, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::string line = FormatLine(module, lineNumber, format, arguments);
    va_end(arguments);
    return line;
}

// One write() per line: a line the kernel has taken survives a crash of the program right after.
bool WriteWhole(int fd, std::string_view text)
{
    while (!text.empty())
    {
        const ssize_t count = write(fd, text.data(), text.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        text.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

// Writes `line` unless the file would pass its limit; then writes the notice once and takes no
// more lines until the next log_Open. Called with the mutex held and the file open.
void Append(LogFile& log, const std::string& line)
{
    if (log.cut)
        return;
    const std::string& notice = log.cutNotice;
    if (log.length + static_cast<off_t>(line.size() + notice.size()) > log_kSizeLimit)
    {
        log.cut = true;
        if (WriteWhole(log.fd, notice))
            log.length += static_cast<off_t>(notice.size());
        return;
    }
    if (WriteWhole(log.fd, line))
        log.length += static_cast<off_t>(line.size());
}
} // namespace

const volatile BYTE* log_SetEnabledFlag(const volatile BYTE* flag)
{
    return g_enabledFlag.exchange(flag, std::memory_order_acq_rel);
}

void log_Open()
{
    LogFile& log = Log();
    std::lock_guard lock(log.mutex);
    if (log.fd >= 0)
        close(log.fd);
    const LogPlace place = GetLogPlace();
    // A second wizard started meanwhile must not empty the first one's log: it is kept aside,
    // and the first goes on writing into it under its new name.
    if (place.keepsPrevious)
        rename(place.path.c_str(), (place.path + ".1").c_str());
    log.fd = open(place.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    log.path = place.path;
    if (char folder[4096]; log.path.front() != '/' && getcwd(folder, sizeof folder) != nullptr)
        log.path = std::string(folder) + "/" + log.path.substr(log.path.find('/') + 1);
    log.length = 0;
    log.cut = false;
    if (log.cutNotice.empty())
        log.cutNotice =
            LineOf(__FILE__, __LINE__, "Log cut at %lld bytes: later lines are not written",
                   log_kSizeLimit);
}

std::string log_Path()
{
    LogFile& log = Log();
    std::lock_guard lock(log.mutex);
    return log.path;
}

void log_Close()
{
    LogFile& log = Log();
    std::lock_guard lock(log.mutex);
    if (log.fd >= 0)
        close(log.fd);
    log.fd = -1;
}

void log_Printf(const char* module, int line, const char* format, ...)
{
    if (!LoggingEnabled())
        return;
    va_list arguments;
    va_start(arguments, format);
    const std::string text =
        FormatLine(module ? module : "", line, format ? format : "", arguments);
    va_end(arguments);

    LogFile& log = Log();
    std::lock_guard lock(log.mutex);
    if (log.fd >= 0)
        Append(log, text);
}
