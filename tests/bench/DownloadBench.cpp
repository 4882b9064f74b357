// The download of the nine lines of the worked packing example to the simulated adapter: wall
// time and processor time of DownloadToPort, beside the floor the protocol sets (the 2-second
// pause after opening, then per line the adapter's reply time, measured with bare port calls,
// plus the 500 ms pause after each OK). The processor time shows whether the waits for the
// adapter's answers spin.
#include "platform/posix/ComPortNames.h"
#include "sim/Adapter.h"
#include "src/download/Download.h"
#include "src/serial/log.h"
#include "tests/bench/BenchSerial.h"
#include "tests/support/WorkedExample.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace bench_serial;

namespace
{
constexpr int kRuns = 3;
const std::vector<std::string>& kNineLines = kWorkedExampleLines;
} // namespace

int main()
{
    const bench_serial::BenchFolder folder;

    const auto adapter = sim::Adapter::Start(sim::Options{});
    if (!adapter || !adapter->LinkAs(folder.PortLink(1)))
    {
        std::fprintf(stderr, "no simulated adapter\n");
        return 1;
    }
    const char* const portPath = "\\\\.\\COM1";
    const std::vector<double> replies = BareExchangeSeconds(portPath, kNineLines);
    if (replies.size() != kNineLines.size())
    {
        std::fprintf(stderr, "the adapter did not acknowledge every line\n");
        return 1;
    }
    const double pauses = 0.5 * static_cast<double>(kNineLines.size());
    const double floor = 2.0 + Sum(replies) + pauses;
    std::printf("protocol floor: 2.000 s pause + %.3f s of replies + %.3f s of pauses = %.3f s\n",
                Sum(replies), pauses, floor);

    DeviceRecord record;
    std::snprintf(record.portPath, sizeof record.portPath, "%s", portPath);
    record.cmdLines = kNineLines;
    double totalWall = 0;
    double totalCpu = 0;
    for (int run = 1; run <= kRuns; ++run)
    {
        const double wallStart = WallSeconds();
        const double cpuStart = ProcessCpuSeconds();
        const int result = DownloadToPort(record);
        const double wall = WallSeconds() - wallStart;
        const double cpu = ProcessCpuSeconds() - cpuStart;
        totalWall += wall;
        totalCpu += cpu;
        std::printf("run %d: result %d  wall %.3f s (%+.3f s over the floor)  processor %.4f s\n",
                    run, result, wall, wall - floor, cpu);
    }
    std::printf("mean: wall %.3f s (%+.3f s over the floor), processor %.4f s (%.2f%% of wall)\n",
                totalWall / kRuns, totalWall / kRuns - floor, totalCpu / kRuns,
                100.0 * totalCpu / totalWall);

    return 0;
}
