// The download of the nine lines of the worked packing example to the simulated adapter: wall
// time and processor time of DownloadToPort, beside the floor the protocol sets (the 2-second
// pause after opening, then per line the adapter's reply time, measured with bare port calls,
// plus the 500 ms pause after each OK). The processor time shows whether the waits for the
// adapter's answers spin. Then the same download as the user sees it, on the headless host in
// real time: from the configuring page's activation to the success page, and how long after the
// worker's end that page came (the configuring page polls its worker every 25 ms).
#include "framework/headless/HeadlessHost.h"
#include "framework/headless/SheetController.h"
#include "platform/posix/ComPortNames.h"
#include "sim/Adapter.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
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

// One download through the configuring page: the load page starts the worker, the configuring
// page follows and waits for it.
void DownloadThroughThePage(HeadlessHost& host, const char* portPath, double floor, int run)
{
    CCfgSheet sheet("test", nullptr, 0);
    sheet.SetWizardMode();
    sheet.SetActivePage(&sheet.m_configingPage);
    SheetController wizard(sheet);
    theApp.m_device = DeviceRecord();
    std::snprintf(theApp.m_device.portPath, sizeof theApp.m_device.portPath, "%s", portPath);
    theApp.m_device.cmdLines = kNineLines;
    const double wallStart = WallSeconds();
    StartDownloadWorker(&theApp.m_device);
    Moment workerEnd([] { return theApp.m_device.result.load() != -1; });
    wizard.Start();
    const bool shown =
        host.WaitUntil([&] { return wizard.ActivePage() == &sheet.m_configSuccessPage; }, 60000);
    const double shownAt = WallSeconds();
    const double lag = shownAt - workerEnd.At();
    std::printf("page run %d: %s  wall %.3f s (%+.3f s over the floor)  success page %.1f ms after "
                "the worker's end\n",
                run, shown ? "success page" : "NO success page", shownAt - wallStart,
                shownAt - wallStart - floor, 1000 * lag);
    sheet.DestroyWindow();
}
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

    theApp.m_bLogEnabled = TRUE;
    HeadlessHost host(HeadlessHost::ClockMode::RealTime);
    AfxSetHost(&host);
    for (int run = 1; run <= kRuns; ++run)
        DownloadThroughThePage(host, portPath, floor, run);
    AfxSetHost(nullptr);

    return 0;
}
