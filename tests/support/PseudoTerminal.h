// Pseudo-terminals standing in for serial devices in tests, and a temporary folder of
// dosdevices/comN links that makes them COM ports of this process.
#pragma once

#include "platform/posix/ComPortNames.h"
#include "tests/support/TempFolder.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <termios.h>
#include <unistd.h>

namespace testing_support
{
// The master side of a pseudo-terminal, in raw mode; its slave is the device under test.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        char name[128];
        if (ptsname_r(m_master, name, sizeof name) != 0)
            throw std::runtime_error("no pseudo-terminal name");
        m_slavePath = name;
        termios settings{};
        tcgetattr(m_master, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_master, TCSANOW, &settings);
    }
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Master() const { return m_master; }
    const std::string& SlavePath() const { return m_slavePath; }

    void CloseMaster()
    {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }

    // Writes every byte to the master side.
    void Send(std::string_view bytes)
    {
        while (!bytes.empty())
        {
            const ssize_t written = write(m_master, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw std::runtime_error("pseudo-terminal write failed");
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }

    // Reads from the master side until `count` bytes came or `timeoutMs` passed without any.
    std::string Receive(size_t count, int timeoutMs = 5000)
    {
        std::string received;
        while (received.size() < count)
        {
            pollfd ready{m_master, POLLIN, 0};
            if (poll(&ready, 1, timeoutMs) <= 0 || !(ready.revents & POLLIN))
                break;
            char buffer[65536];
            const size_t want = std::min(sizeof buffer, count - received.size());
            const ssize_t got = read(m_master, buffer, want);
            if (got <= 0)
                break;
            received.append(buffer, static_cast<size_t>(got));
        }
        return received;
    }

private:
    int m_master = -1;
    std::string m_slavePath;
};

// A temporary folder with `dosdevices/`, made the COM port folder for the lifetime of the object.
class ComPortFolder
{
public:
    ComPortFolder()
    {
        std::filesystem::create_directory(Path() / "dosdevices");
        SetComPortFolderForTesting(Path().c_str());
    }
    ~ComPortFolder() { SetComPortFolderForTesting(nullptr); }
    ComPortFolder(const ComPortFolder&) = delete;
    ComPortFolder& operator=(const ComPortFolder&) = delete;

    const std::filesystem::path& Path() const { return m_folder.Path(); }
    // The link that makes a device COM`number`.
    std::string LinkPath(int number) const
    {
        return (Path() / "dosdevices" / ("com" + std::to_string(number))).string();
    }

    // Makes COM`number` lead to `target`.
    void Link(int number, const std::string& target)
    {
        std::error_code ignored;
        std::filesystem::remove(LinkPath(number), ignored);
        std::filesystem::create_symlink(target, LinkPath(number));
    }

private:
    TempFolder m_folder;
};

inline std::string ComName(int number)
{
    return "\\\\.\\COM" + std::to_string(number);
}

inline double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}
} // namespace testing_support
