// Identification of one adapter, timed: wall time and processor time of IdentifyOnPort against
// the simulated adapter, beside the floor the protocol sets (the 2-second pause after opening
// plus five command exchanges at the simulator's own speed, measured with bare port calls).
// The processor time shows whether the exchanges wait for input or poll for it.
#include "platform/posix/ComPortNames.h"
#include "platform/win32.h"
#include "sim/Adapter.h"
#include "src/identify/PortWorkers.h"
#include "src/serial/log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace
{
constexpr int kRuns = 5;
const char* const kCommands[] = {"AT\r", "ATE1V1Q0\r", "ATI2\r", "ATI20\r", "AT%I\r"};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Seconds the five identification commands take with plain blocking port calls; -1 on failure.
double BareExchangesSeconds(const char* portPath)
{
    const HANDLE port = CreateFileA(portPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        return -1;
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 2000, 0, 2000};
    SetCommTimeouts(port, &timeouts);
    const double start = WallSeconds();
    bool answered = true;
    for (const char* command : kCommands)
    {
        DWORD written = 0;
        WriteFile(port, command, static_cast<DWORD>(std::string(command).size()), &written,
                  nullptr);
        std::string reply;
        char c = 0;
        DWORD got = 0;
        while (reply.find("OK\r\n") == std::string::npos && ReadFile(port, &c, 1, &got, nullptr) &&
               got == 1)
            reply += c;
        answered = answered && reply.find("OK\r\n") != std::string::npos;
    }
    const double seconds = WallSeconds() - start;
    CloseHandle(port);
    return answered ? seconds : -1;
}
} // namespace

int main()
{
    char folder[] = "/tmp/identify-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return 1;
    std::filesystem::create_directory(std::filesystem::path(folder) / "dosdevices");
    SetComPortFolderForTesting(folder);
    std::filesystem::current_path(folder);
    log_Open();

    sim::Options options;
    options.model = "ZOBRA-2S without V.110"; // asks AT%I too: five exchanges
    const auto adapter = sim::Adapter::Start(options);
    if (!adapter || !adapter->LinkAs(std::string(folder) + "/dosdevices/com1"))
    {
        std::fprintf(stderr, "no simulated adapter\n");
        return 1;
    }
    const char* const portPath = "\\\\.\\COM1";
    const double bare = BareExchangesSeconds(portPath);
    const double floor = 2.0 + bare;
    std::printf("protocol floor: 2.000 s pause + %.3f s for five bare exchanges = %.3f s\n", bare,
                floor);

    double totalWall = 0;
    double totalCpu = 0;
    for (int run = 1; run <= kRuns; ++run)
    {
        DeviceRecord record;
        const double wallStart = WallSeconds();
        const double cpuStart = ProcessCpuSeconds();
        const int status = IdentifyOnPort(record, portPath);
        const double wall = WallSeconds() - wallStart;
        const double cpu = ProcessCpuSeconds() - cpuStart;
        totalWall += wall;
        totalCpu += cpu;
        std::printf("run %d: status %d (model %d, extended %d)  wall %.3f s  processor %.4f s  "
                    "above floor %.3f s\n",
                    run, status, record.modelCode, record.extModelCode, wall, cpu, wall - floor);
    }
    std::printf("mean: wall %.3f s, processor %.4f s (%.2f%% of wall), above floor %.3f s\n",
                totalWall / kRuns, totalCpu / kRuns, 100.0 * totalCpu / totalWall,
                totalWall / kRuns - floor);

    log_Close();
    SetComPortFolderForTesting(nullptr);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
    return 0;
}
