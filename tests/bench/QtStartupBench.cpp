// Start-up of the wizard's window: from the start of the program (the QApplication) to the
// first page shown and drawn, on the Qt host offscreen. Prints the first start-up of the process
// (fonts and styles loaded cold) and the median of later sheet start-ups in the same process.
#include "framework/qt/QtHost.h"
#include "src/app/CfgSheet.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration elapsed)
{
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// Creates the wizard's sheet, shows its first page and draws the window once.
void ShowFirstPage(QtHost& host)
{
    CCfgSheet sheet("test", nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    sheet.Create();
    QCoreApplication::processEvents();
    QWidget* window = host.SheetWindow();
    if (window == nullptr || !window->isVisible() || window->grab().isNull())
    {
        std::fprintf(stderr, "QtStartupBench: the first page was not shown\n");
        std::exit(1);
    }
    sheet.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Clock::time_point start = Clock::now();
    QApplication application(argc, argv);
    QtHost host;
    AfxSetHost(&host);
    ShowFirstPage(host);
    double first = Milliseconds(Clock::now() - start);

    constexpr int kRuns = 20;
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i)
    {
        Clock::time_point begin = Clock::now();
        ShowFirstPage(host);
        runs.push_back(Milliseconds(Clock::now() - begin));
    }
    std::sort(runs.begin(), runs.end());
    std::printf("Qt host, offscreen: program start to first page shown: %.1f ms\n", first);
    std::printf("Qt host, offscreen: sheet created to first page shown, median of %d: %.1f ms "
                "(fastest %.1f ms, slowest %.1f ms)\n",
                kRuns, runs[kRuns / 2], runs.front(), runs.back());
    AfxSetHost(nullptr);
    return 0;
}
