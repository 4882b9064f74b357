// Identification of one adapter, timed: wall time and processor time of IdentifyOnPort against
// the simulated adapter, beside the floor the protocol sets (the 2-second pause after opening
// plus five command exchanges at the simulator's own speed, measured with bare port calls).
// The processor time shows whether the exchanges wait for input or poll for it.
#include "platform/posix/ComPortNames.h"
#include "platform/win32.h"
#include "sim/Adapter.h"
#include "src/identify/PortWorkers.h"
#include "src/serial/log.h"
#include "tests/bench/BenchSerial.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace bench_serial;

namespace
{
constexpr int kRuns = 5;
const std::vector<std::string> kCommands = {"AT\r", "ATE1V1Q0\r", "ATI2\r", "ATI20\r", "AT%I\r"};

} // namespace

int main()
{
    const bench_serial::BenchFolder folder;

    sim::Options options;
    options.model = "ZOBRA-2S without V.110"; // asks AT%I too: five exchanges
    const auto adapter = sim::Adapter::Start(options);
    if (!adapter || !adapter->LinkAs(folder.PortLink(1)))
    {
        std::fprintf(stderr, "no simulated adapter\n");
        return 1;
    }
    const char* const portPath = "\\\\.\\COM1";
    const std::vector<double> exchanges = BareExchangeSeconds(portPath, kCommands);
    if (exchanges.empty())
    {
        std::fprintf(stderr, "the adapter did not answer\n");
        return 1;
    }
    const double bare = Sum(exchanges);
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

    return 0;
}
