#include "sim/Nvram.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace sim
{
std::optional<KeyValues> ReadNvram(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    KeyValues entries;
    std::string line;
    while (std::getline(file, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        entries[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return entries;
}

bool WriteNvram(const std::string& path, const KeyValues& entries)
{
    std::string text = "# simulated terminal adapter NVRAM\n";
    for (const auto& [key, value] : entries)
        text += key + "=" + value + "\n";

    const std::string temporary = path + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < text.size())
    {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            break;
        done += static_cast<size_t>(written);
    }
    // The data must be on disk before the rename makes it the file, or a crash could leave an
    // empty NVRAM behind.
    const bool complete = done == text.size() && fsync(fd) == 0;
    if (close(fd) != 0 || !complete || std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
} // namespace sim
