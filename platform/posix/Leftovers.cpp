#include "platform/posix/Leftovers.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{
bool IsGone(pid_t pid)
{
    // EPERM: the process exists, under another user.
    return kill(pid, 0) != 0 && errno == ESRCH;
}
} // namespace

namespace platform
{
pid_t LeftoverOwner(std::string_view entry, std::string_view prefix, char separator)
{
    if (!entry.starts_with(prefix))
        return 0;
    const std::string_view rest = entry.substr(prefix.size());
    pid_t owner = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), owner);
    const std::string_view tail = rest.substr(static_cast<size_t>(end - rest.data()));
    if (error != std::errc() || owner <= 0 || tail.size() < 2 || tail.front() != separator ||
        tail.find_first_not_of("0123456789", 1) != std::string_view::npos)
        return 0;
    return owner;
}

void RemoveLeftovers(const std::string& folder, std::string_view prefix, char separator)
{
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr)
        return;
    while (const dirent* entry = readdir(entries))
    {
        const pid_t owner = LeftoverOwner(entry->d_name, prefix, separator);
        if (owner != 0 && owner != getpid() && IsGone(owner))
            unlinkat(dirfd(entries), entry->d_name, 0);
    }
    closedir(entries);
}
} // namespace platform
