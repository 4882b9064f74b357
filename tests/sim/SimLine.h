// The user's end of a simulated adapter's line: the pseudo-terminal slave opened raw, as a
// terminal program or the wizard opens a serial port, with reads bounded by time.
#pragma once

#include "sim/Adapter.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace sim_testing
{
class SimLine
{
public:
    explicit SimLine(const std::string& path)
    {
        m_fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            throw std::runtime_error("cannot open " + path);
        termios settings{};
        tcgetattr(m_fd, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~SimLine() { Close(); }
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    int Descriptor() const { return m_fd; }

    void Close()
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }

    void Send(std::string_view bytes)
    {
        while (!bytes.empty())
        {
            const ssize_t written = write(m_fd, bytes.data(), bytes.size());
            if (written < 0 && (errno == EINTR || errno == EAGAIN))
            {
                pollfd ready{m_fd, POLLOUT, 0};
                poll(&ready, 1, 100);
                continue;
            }
            if (written <= 0)
                throw std::runtime_error("line write failed");
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }

    // Reads until what came ends with `ending`, or `timeoutMs` passed without a byte, or the
    // line went away. Returns what came.
    std::string ReadUntil(std::string_view ending, int timeoutMs = 5000)
    {
        std::string received;
        while (!EndsWith(received, ending) && ReadSome(received, timeoutMs))
        {
        }
        return received;
    }

    // Reads until `count` bytes came (or a pause of `timeoutMs`, or the line went away).
    std::string ReadCount(size_t count, int timeoutMs = 5000)
    {
        std::string received;
        while (received.size() < count && ReadSome(received, timeoutMs, count - received.size()))
        {
        }
        return received;
    }

    // Whatever arrives until the line has been quiet for `quietMs`.
    std::string ReadQuiet(int quietMs = 200)
    {
        std::string received;
        while (ReadSome(received, quietMs))
        {
        }
        return received;
    }

    // Sends `command` and reads the answer up to its final result.
    std::string Exchange(std::string_view command)
    {
        Send(command);
        std::string received;
        while (!EndsWith(received, "OK\r\n") && !EndsWith(received, "ERROR\r\n") &&
               ReadSome(received, 5000))
        {
        }
        return received;
    }

    // True when a read reports that the other end is gone (end of file, EIO or a hang-up).
    bool Gone(int timeoutMs = 5000)
    {
        pollfd ready{m_fd, POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) <= 0)
            return false;
        char byte;
        const ssize_t got = read(m_fd, &byte, 1);
        return got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR);
    }

private:
    static bool EndsWith(const std::string& text, std::string_view ending)
    {
        return text.size() >= ending.size() &&
               text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
    }

    bool ReadSome(std::string& received, int timeoutMs, size_t most = 65536)
    {
        pollfd ready{m_fd, POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) <= 0 || !(ready.revents & POLLIN))
            return false;
        char buffer[65536];
        const ssize_t got = read(m_fd, buffer, std::min(most, sizeof buffer));
        if (got <= 0)
            return false;
        received.append(buffer, static_cast<size_t>(got));
        return true;
    }

    int m_fd = -1;
};

// Waits until the adapter has received `count` command lines, for at most `timeoutMs`.
inline bool WaitForLines(const sim::Adapter& adapter, size_t count, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (adapter.ReceivedLines().size() < count)
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Waits until nobody but the adapter holds its device open, for at most `timeoutMs`.
inline bool WaitForNoUsers(const sim::Adapter& adapter, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (adapter.Users() != 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
} // namespace sim_testing
