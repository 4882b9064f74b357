// The folder that stands for the executable's folder: its own, or the user's for an installed
// program.
#include "platform/posix/ProgramFolder.h"

#include "platform/posix/Leftovers.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef QUORAN_SHIPPED_DATA_FROM_BIN
#define QUORAN_SHIPPED_DATA_FROM_BIN "../share/quoran-wizard"
#endif

namespace
{
constexpr char kProfileName[] = "quoran.ini";
constexpr char kUserFolderName[] = "quoran-wizard";
// The first copy of the profile is written under ".quoran.ini.seed-<pid>-<n>".
constexpr char kSeedPrefix[] = ".quoran.ini.seed-";
// Names of this process's own are tried up to this many times (another thread may be seeding).
constexpr int kSeedNameAttempts = 16;

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

bool IsFile(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsWritableFolder(const std::string& path)
{
    return faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// Makes `path` and the folders above it that are missing, each with mode 0700.
bool MakeFolders(const std::string& path)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash)))
        return false;
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReadWholeFile(const std::string& path, std::vector<char>& content)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        content.insert(content.end(), buffer, buffer + got);
    close(fd);
    return got == 0;
}

bool WriteWholeFile(int fd, const std::vector<char>& content)
{
    size_t done = 0;
    while (done < content.size())
    {
        const ssize_t written = write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return fsync(fd) == 0;
}

// Copies the shipped profile into `folder` unless a profile is there already. The copy is
// complete before it takes the name, and link() never replaces: a wizard starting at the same
// moment, or a file the user put there, wins. The copy of a first start that was killed while
// it wrote is removed by the next.
void SeedProfile(const std::string& folder, const std::string& shippedProfile)
{
    platform::RemoveLeftovers(folder, kSeedPrefix, '-');
    const std::string target = folder + "/" + kProfileName;
    std::vector<char> content;
    if (IsFile(target) || !ReadWholeFile(shippedProfile, content))
        return;
    const std::string temporaryStem = folder + "/" + kSeedPrefix + std::to_string(getpid()) + "-";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kSeedNameAttempts; ++attempt)
    {
        temporary = temporaryStem + std::to_string(attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return;
    }
    if (fd < 0)
        return;
    const bool written = WriteWholeFile(fd, content);
    close(fd);
    if (written)
        link(temporary.c_str(), target.c_str());
    unlink(temporary.c_str());
}

std::string ExecutablePath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); IsAbsolute(home))
        return home;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        IsAbsolute(found->pw_dir))
        return found->pw_dir;
    return "";
}
} // namespace

namespace platform
{
std::string ShippedDataFolder(const std::string& executableFolder)
{
    return executableFolder + "/" + QUORAN_SHIPPED_DATA_FROM_BIN;
}

std::string UserProgramFolder(const char* xdgConfigHome, const char* home)
{
    if (IsAbsolute(xdgConfigHome))
        return std::string(xdgConfigHome) + "/" + kUserFolderName;
    if (IsAbsolute(home))
        return std::string(home) + "/.config/" + kUserFolderName;
    return "";
}

std::string ChooseProgramFolder(const std::string& executableFolder, const std::string& userFolder)
{
    const std::string shippedProfile =
        ShippedDataFolder(executableFolder) + "/" + std::string(kProfileName);
    const bool installed = IsFile(shippedProfile) || !IsWritableFolder(executableFolder);
    if (!installed || userFolder.empty() || !MakeFolders(userFolder))
        return executableFolder;
    SeedProfile(userFolder, shippedProfile);
    return userFolder;
}

const std::string& ProgramFolder()
{
    static std::once_flag once;
    // Never destroyed: the program ends without waiting for its workers, and a search worker may
    // still resolve a port, and so ask for this folder, while exit() runs the destructors.
    static std::string& folder = *new std::string;
    std::call_once(once, [] {
        const std::string executable = ExecutablePath();
        const size_t slash = executable.rfind('/');
        if (slash == std::string::npos)
            return;
        const std::string home = HomeFolder();
        folder = ChooseProgramFolder(slash == 0 ? "/" : executable.substr(0, slash),
                                     UserProgramFolder(std::getenv("XDG_CONFIG_HOME"),
                                                       home.empty() ? nullptr : home.c_str()));
    });
    return folder;
}
} // namespace platform
