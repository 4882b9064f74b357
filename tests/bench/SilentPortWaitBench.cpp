// What a read costs while the line is silent: the wall time and the processor time of ReadFile
// waiting out its 1 s time-out on a pseudo-terminal that never answers, once on one port and
// once on 36 ports at the same time (as the port search does). The processor time should stay
// near zero: the wait is spent in poll(), not in a loop.
#include "platform/win32.h"
#include "tests/support/PseudoTerminal.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <vector>

using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::PseudoTerminal;

namespace
{
constexpr DWORD kWaitMs = 1000;

double ProcessCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double RusageCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

HANDLE OpenSilentPort(int number)
{
    const HANDLE port = CreateFileA(ComName(number).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE)
    {
        std::fprintf(stderr, "cannot open COM%d: error %u\n", number, GetLastError());
        return port;
    }
    COMMTIMEOUTS timeouts{MAXDWORD, 0, kWaitMs, 0, kWaitMs};
    SetCommTimeouts(port, &timeouts);
    return port;
}

bool WaitOnce(HANDLE port)
{
    char c = 0;
    DWORD read = 0;
    return ReadFile(port, &c, 1, &read, nullptr) && read == 0;
}

// Runs `ports` waits at once; prints wall time and processor time (both clocks) of the whole.
bool Measure(const char* label, const std::vector<HANDLE>& ports)
{
    const double cpuStart = ProcessCpuMs();
    const double rusageStart = RusageCpuMs();
    const auto wallStart = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    std::vector<char> timedOut(ports.size(), 0);
    for (size_t i = 0; i < ports.size(); ++i)
        threads.emplace_back([&, i] { timedOut[i] = WaitOnce(ports[i]); });
    for (auto& thread : threads)
        thread.join();
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
            .count();
    const double cpu = ProcessCpuMs() - cpuStart;
    const double rusageCpu = RusageCpuMs() - rusageStart;
    bool allTimedOut = true;
    for (const char t : timedOut)
        allTimedOut = allTimedOut && t;
    std::printf("%-28s wall %8.1f ms   cpu %6.2f ms (clock) %6.2f ms (rusage)   %s\n", label, wall,
                cpu, rusageCpu, allTimedOut ? "timed out, 0 bytes" : "UNEXPECTED RESULT");
    return allTimedOut;
}
} // namespace

int main()
{
    ComPortFolder folder;
    constexpr int kPorts = 36;
    std::vector<std::unique_ptr<PseudoTerminal>> terminals;
    std::vector<HANDLE> ports;
    for (int number = 1; number <= kPorts; ++number)
    {
        terminals.push_back(std::make_unique<PseudoTerminal>());
        folder.Link(number, terminals.back()->SlavePath());
        ports.push_back(OpenSilentPort(number));
        if (ports.back() == INVALID_HANDLE_VALUE)
            return 1;
    }
    std::printf("ReadFile of 1 byte, time-out %u ms, on silent pseudo-terminals\n", kWaitMs);
    bool ok = true;
    for (int round = 1; round <= 3; ++round)
    {
        char label[64];
        std::snprintf(label, sizeof label, "1 port, round %d", round);
        ok = Measure(label, {ports.front()}) && ok;
    }
    ok = Measure("36 ports at once", ports) && ok;
    for (const HANDLE port : ports)
        CloseHandle(port);
    return ok ? 0 : 1;
}
