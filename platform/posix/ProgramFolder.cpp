// The folder that stands for the executable's folder: its own, or the user's for an installed
// program.
#include "platform/posix/ProgramFolder.h"

#include "platform/posix/Leftovers.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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
// The running executable's folder; "" when its path cannot be read.
std::string ExecutableFolder()
{
    const std::string executable = platform::ExecutablePath();
    const size_t slash = executable.rfind('/');
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? "/" : executable.substr(0, slash);
}

// Why `userFolder` cannot hold the profile: "" when it can (it is made if need be).
std::string UserFolderProblem(const std::string& userFolder)
{
    if (userFolder.empty())
        return "neither XDG_CONFIG_HOME nor HOME names a folder";
    errno = 0;
    if (!MakeFolders(userFolder))
        return userFolder + " cannot be made (" + std::strerror(errno != 0 ? errno : ENOTDIR) + ")";
    if (!IsWritableFolder(userFolder))
        return userFolder + " may not be written";
    return "";
}
} // namespace

namespace platform
{
std::string ExecutablePath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

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

bool IsInstalledProgram(const std::string& executableFolder)
{
    return IsFile(ShippedDataFolder(executableFolder) + "/" + kProfileName) ||
           !IsWritableFolder(executableFolder);
}

ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder,
                                        const std::string& userFolder)
{
    if (!IsInstalledProgram(executableFolder))
        return {executableFolder, ""};
    const std::string besideProgram = executableFolder + "/" + kProfileName;
    const std::string shippedProfile = ShippedDataFolder(executableFolder) + "/" + kProfileName;
    const std::string why = UserFolderProblem(userFolder);
    if (why.empty())
    {
        SeedProfile(userFolder, IsFile(besideProgram) ? besideProgram : shippedProfile);
        return {userFolder, ""};
    }
    // Nowhere to write: the configurations that can be read are shown at least.
    std::string folder = executableFolder;
    if (!IsFile(besideProgram) && IsFile(shippedProfile))
        folder = std::filesystem::path(ShippedDataFolder(executableFolder)).lexically_normal();
    std::string problem = "No folder can hold your configurations: " + why + ", and " +
                          executableFolder + " may not be written. ";
    problem += IsFile(folder + "/" + kProfileName)
                   ? "The configurations of " + folder + "/" + kProfileName +
                         " are shown, but none can be saved."
                   : "No configuration can be saved.";
    return {folder, problem};
}

const ProgramFolderChoice& ProgramFolder()
{
    static std::once_flag once;
    // Never destroyed: the program ends without waiting for its workers, and a search worker may
    // still resolve a port, and so ask for this folder, while exit() runs the destructors.
    static ProgramFolderChoice& choice = *new ProgramFolderChoice;
    std::call_once(once, [] {
        const std::string folder = ExecutableFolder();
        if (folder.empty())
            return;
        const std::string home = HomeFolder();
        choice =
            ChooseProgramFolder(folder, UserProgramFolder(std::getenv("XDG_CONFIG_HOME"),
                                                          home.empty() ? nullptr : home.c_str()));
    });
    return choice;
}

std::string UserStateFolder(const char* xdgStateHome, const char* home)
{
    if (IsAbsolute(xdgStateHome))
        return std::string(xdgStateHome) + "/" + kUserFolderName;
    if (IsAbsolute(home))
        return std::string(home) + "/.local/state/" + kUserFolderName;
    return "";
}

LogPlace ChooseLogPlace(const std::string& executableFolder, const std::string& workingFolder,
                        const std::string& stateFolder)
{
    const LogPlace here{"./log.txt", false};
    if (!IsInstalledProgram(executableFolder) && IsWritableFolder(workingFolder))
        return here;
    if (stateFolder.empty() || !MakeFolders(stateFolder))
        return here;
    return {stateFolder + "/log.txt", true};
}
} // namespace platform

std::string GetProfileFolderProblem()
{
    return platform::ProgramFolder().problem;
}

LogPlace GetLogPlace()
{
    static std::once_flag once;
    static LogPlace& place = *new LogPlace;
    std::call_once(once, [] {
        const std::string home = HomeFolder();
        char working[4096];
        place = platform::ChooseLogPlace(
            ExecutableFolder(), getcwd(working, sizeof working) != nullptr ? working : "",
            platform::UserStateFolder(std::getenv("XDG_STATE_HOME"),
                                      home.empty() ? nullptr : home.c_str()));
    });
    return place;
}
