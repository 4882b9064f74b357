// The port search as the user sees it: from the search page's activation to the result list,
// on the headless host in real time. Once with one simulated adapter and 35 absent ports, once
// with one adapter and three silent pseudo-terminals. Beside each wall time stands its floor:
// the 2-second pause after opening plus the adapter's identification exchanges at the
// simulator's own speed (bare port calls), or, with silent ports, their time-outs (2 s for the
// attention, 5 s for the echo command after the pause). Beside it, how long after the last
// worker's end the page shows the outcome (it polls its workers every 25 ms). The processor time
// covers the whole search, all 36 workers included (not the watcher that finds the last end).
#include "framework/headless/HeadlessHost.h"
#include "framework/headless/SheetController.h"
#include "platform/posix/ComPortNames.h"
#include "sim/Adapter.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/serial/log.h"
#include "tests/bench/BenchSerial.h"
#include "tests/support/PseudoTerminal.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace bench_serial;

namespace
{
constexpr int kRuns = 3;
const std::vector<std::string> kIdentification = {"AT\r", "ATE1V1Q0\r", "ATI2\r", "ATI20\r"};
constexpr double kSilentPortSeconds = 2.0 + 2.0 + 5.0; // pause, attention, echo command

void ForgetEarlierSearch()
{
    for (DeviceRecord* record : theApp.m_devices)
        delete record;
    theApp.m_devices.clear();
}

struct Figures
{
    double wall;
    double cpu;
    size_t found;
    double lag; // from the last worker's end to the outcome on the page
};

// One search, from the page's activation to the tick that shows its outcome.
Figures Search(HeadlessHost& host)
{
    ForgetEarlierSearch();
    CCfgSheet sheet("test", nullptr, 0);
    sheet.SetWizardMode();
    sheet.SetActivePage(&sheet.m_idingPage);
    SheetController wizard(sheet);
    // The workers have all ended when the process is back to the threads it had before (and the
    // watcher's own).
    const int threadsBefore = ThreadCount();
    Moment lastWorkerEnd([threadsBefore, sawWorkers = false]() mutable {
        const int threads = ThreadCount();
        sawWorkers = sawWorkers || threads > threadsBefore + 1;
        return sawWorkers && threads <= threadsBefore + 1;
    });
    const double wallStart = WallSeconds();
    const double cpuStart = ProcessCpuSeconds();
    wizard.Start();
    CIDingPage& page = sheet.m_idingPage;
    const bool shown = host.WaitUntil([&] { return !host.HasTimer(page, page.m_nTimerID); }, 30000);
    const double shownAt = WallSeconds();
    const double lastWorkerEndAt = lastWorkerEnd.At();
    Figures figures{shownAt - wallStart, ProcessCpuSeconds() - cpuStart - lastWorkerEnd.Cpu(),
                    theApp.m_devices.size(), shownAt - lastWorkerEndAt};
    if (!shown)
        figures.found = 0;
    sheet.DestroyWindow();
    return figures;
}

// Waits until the dropped workers of the silent ports have ended, so that the next run starts
// with no worker of the last one left.
void WaitForDroppedWorkers()
{
    for (int i = 0; i < 3000; ++i)
    {
        bool running = false;
        for (const DeviceRecord* record : theApp.m_droppedDevices)
            running = running || record->result.load() == -1;
        if (!running)
            return;
        Sleep(10);
    }
}

void Report(const char* scenario, double floor, const std::vector<Figures>& runs)
{
    std::printf("%s: floor %.3f s\n", scenario, floor);
    double wall = 0;
    double cpu = 0;
    for (size_t i = 0; i < runs.size(); ++i)
    {
        std::printf("  run %zu: %zu found  wall %.3f s (%+.3f s over the floor)  processor %.4f s  "
                    "shown %.1f ms after the last worker's end\n",
                    i + 1, runs[i].found, runs[i].wall, runs[i].wall - floor, runs[i].cpu,
                    1000 * runs[i].lag);
        wall += runs[i].wall;
        cpu += runs[i].cpu;
    }
    const double n = static_cast<double>(runs.size());
    std::printf("  mean: wall %.3f s (%+.3f s over the floor), processor %.4f s (%.2f%% of wall)\n",
                wall / n, wall / n - floor, cpu / n, 100.0 * cpu / wall);
}
} // namespace

int main()
{
    const bench_serial::BenchFolder folder;
    theApp.m_bLogEnabled = TRUE;
    HeadlessHost host(HeadlessHost::ClockMode::RealTime);
    AfxSetHost(&host);

    sim::Options options;
    options.model = "KESTRAST/13"; // no option query: four exchanges
    const auto adapter = sim::Adapter::Start(options);
    if (!adapter || !adapter->LinkAs(folder.PortLink(1)))
    {
        std::fprintf(stderr, "no simulated adapter\n");
        return 1;
    }
    const std::vector<double> exchanges = BareExchangeSeconds("\\\\.\\COM1", kIdentification);
    if (exchanges.empty())
    {
        std::fprintf(stderr, "the adapter did not answer\n");
        return 1;
    }
    const double adapterFloor = 2.0 + Sum(exchanges);
    std::printf("identification floor: 2.000 s pause + %.3f s for four bare exchanges\n",
                Sum(exchanges));

    std::vector<Figures> runs;
    for (int run = 0; run < kRuns; ++run)
        runs.push_back(Search(host));
    Report("1 adapter, 35 absent ports", adapterFloor, runs);

    std::vector<std::unique_ptr<testing_support::PseudoTerminal>> silent;
    for (int number = 2; number <= 4; ++number)
    {
        silent.push_back(std::make_unique<testing_support::PseudoTerminal>());
        std::filesystem::create_symlink(silent.back()->SlavePath(), folder.PortLink(number));
    }
    runs.clear();
    for (int run = 0; run < kRuns; ++run)
    {
        runs.push_back(Search(host));
        WaitForDroppedWorkers();
    }
    Report("1 adapter, 3 silent ports, 32 absent", kSilentPortSeconds, runs);

    AfxSetHost(nullptr);
    return 0;
}
