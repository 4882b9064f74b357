// Another program that holds a port, as picocom does: a child process that opens the device and
// takes flock on it, until the holder goes.
#pragma once

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support
{
class PortHolder
{
public:
    explicit PortHolder(const std::string& device)
    {
        int ready[2];
        if (pipe(ready) != 0)
            throw std::runtime_error("no pipe");
        m_pid = fork();
        if (m_pid < 0)
            throw std::runtime_error("no fork");
        if (m_pid == 0)
        {
            const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
            const bool locked = fd >= 0 && flock(fd, LOCK_EX) == 0;
            [[maybe_unused]] const ssize_t w = write(ready[1], locked ? "y" : "n", 1);
            pause();
            _exit(0);
        }
        char answer = 0;
        const bool read1 = read(ready[0], &answer, 1) == 1;
        close(ready[0]);
        close(ready[1]);
        if (!read1 || answer != 'y')
            throw std::runtime_error("cannot hold " + device);
    }
    ~PortHolder()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    // "process 812 (pages_tests)", as the failure reports name it.
    std::string Described() const
    {
        std::ifstream comm("/proc/" + std::to_string(m_pid) + "/comm");
        std::string name;
        std::getline(comm, name);
        return "process " + std::to_string(m_pid) + " (" + name + ")";
    }

private:
    pid_t m_pid = -1;
};
} // namespace testing_support
