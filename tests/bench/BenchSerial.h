// What the serial benchmarks share: the clocks they read, and the bare cost of exchanges with the
// simulated adapter (plain blocking port calls, none of the wizard's code), which sets the floor
// the wizard's own figures are held against.
#pragma once

#include "platform/win32.h"
#include "src/serial/log.h"
#include "tests/support/PseudoTerminal.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace bench_serial
{
// A temporary folder that is the working directory (log.txt, open while the object lives) and
// holds the dosdevices/ that the COM ports resolve through; all of it goes with the object.
class BenchFolder
{
public:
    BenchFolder() { log_Open(); }
    ~BenchFolder() { log_Close(); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // The link that makes a device COM`number`.
    std::string PortLink(int number) const { return m_ports.LinkPath(number); }

private:
    testing_support::ComPortFolder m_ports;
    testing_support::WorkingDirectory m_inFolder{m_ports.Path()};
};

inline double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

inline double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Seconds from writing each of `commands` to the end of its "OK\r\n", one after the other on
// `portPath`, with plain blocking port calls; empty when the port did not open or a command got
// no OK within 2 seconds.
inline std::vector<double> BareExchangeSeconds(const char* portPath,
                                               const std::vector<std::string>& commands)
{
    const HANDLE port = CreateFileA(portPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        return {};
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 2000, 0, 2000};
    SetCommTimeouts(port, &timeouts);
    std::vector<double> seconds;
    for (const std::string& command : commands)
    {
        const double start = WallSeconds();
        DWORD written = 0;
        WriteFile(port, command.data(), static_cast<DWORD>(command.size()), &written, nullptr);
        std::string reply;
        char c = 0;
        DWORD got = 0;
        while (reply.find("OK\r\n") == std::string::npos && ReadFile(port, &c, 1, &got, nullptr) &&
               got == 1)
            reply += c;
        if (reply.find("OK\r\n") == std::string::npos)
        {
            seconds.clear();
            break;
        }
        seconds.push_back(WallSeconds() - start);
    }
    CloseHandle(port);
    return seconds;
}

// Notes the wall time (WallSeconds) at which `condition` first holds, checked every millisecond
// on a thread of its own from construction on.
class Moment
{
public:
    explicit Moment(std::function<bool()> condition)
        : m_watcher([this, condition = std::move(condition)](std::stop_token stop) {
              while (!stop.stop_requested())
              {
                  if (condition())
                  {
                      m_at = WallSeconds();
                      break;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
              timespec used{};
              clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
              m_cpu = static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
          })
    {
    }
    // Waits for that moment, at most `timeoutSeconds`; 0 when it did not come.
    double At(double timeoutSeconds = 60)
    {
        const double until = WallSeconds() + timeoutSeconds;
        while (m_at.load() == 0 && WallSeconds() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        m_watcher.request_stop();
        m_watcher.join();
        return m_at.load();
    }
    // The processor time the watching took, once At() has returned.
    double Cpu() const { return m_cpu.load(); }

private:
    std::atomic<double> m_at{0};
    std::atomic<double> m_cpu{0};
    std::jthread m_watcher;
};

// The threads of this process, as the kernel counts them.
inline int ThreadCount()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
    {
        if (line.rfind("Threads:", 0) == 0)
            return std::atoi(line.c_str() + 8);
    }
    return 0;
}

inline double Sum(const std::vector<double>& values)
{
    double sum = 0;
    for (const double value : values)
        sum += value;
    return sum;
}
} // namespace bench_serial
