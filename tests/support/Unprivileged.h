// Running a piece of a test as a user without privileges. The tests run as root on the build
// machines, where root passes every permission check; what a user may not do is tried in a child
// process that has become `nobody`.
#pragma once

#include <filesystem>
#include <functional>
#include <grp.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support
{
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
inline const std::string kCannotDropPrivileges = "(cannot become an unprivileged user)";

// Runs `work` as an unprivileged user and returns what it returned: in a child process that has
// become nobody when the test runs as root, else in this process (its user is unprivileged
// already). kCannotDropPrivileges when root cannot change its user here.
inline std::string RunUnprivileged(const std::function<std::string()>& work)
{
    if (geteuid() != 0)
        return work();
    int channel[2];
    if (pipe(channel) != 0)
        throw std::runtime_error("no pipe");
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("no fork");
    if (child == 0)
    {
        close(channel[0]);
        const bool dropped =
            setgroups(0, nullptr) == 0 && setgid(kNogroup) == 0 && setuid(kNobody) == 0;
        const std::string answer = dropped ? work() : kCannotDropPrivileges;
        [[maybe_unused]] const ssize_t written = write(channel[1], answer.data(), answer.size());
        _exit(0);
    }
    close(channel[1]);
    std::string answer;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return answer;
}

// Makes `path` belong to the user RunUnprivileged runs as.
inline void HandToUnprivilegedUser(const std::filesystem::path& path)
{
    if (geteuid() == 0 && chown(path.c_str(), kNobody, kNogroup) != 0)
        throw std::runtime_error("cannot hand " + path.string() + " over");
}
} // namespace testing_support
