// The progress the sheet shows during the two long waits, at points of the run that the virtual
// clock makes certain: the search counts the ports whose workers have ended, the download the
// lines the adapter has acknowledged; the progress goes once the wait is over.
#include "src/download/Download.h"
#include "tests/support/WizardAdapters.h"

#include <functional>

using wizard_testing::AdapterWizardTest;

namespace
{
class WaitProgress : public AdapterWizardTest
{
protected:
    struct Point
    {
        const char* when;
        std::function<void()> reach;
        int done;
        int total; // 0: no progress shown
    };

    void ExpectProgressAt(std::span<const Point> points)
    {
        for (const Point& point : points)
        {
            SCOPED_TRACE(point.when);
            point.reach();
            const CPropertySheet::Progress progress = sheet.GetProgress();
            EXPECT_EQ(progress.total, point.total);
            if (point.done >= 0)
            {
                EXPECT_EQ(progress.done, point.done);
            }
        }
    }

    // Lets real time pass until `holds`; fails the test after 10 s.
    static void WaitFor(const std::function<bool()>& holds)
    {
        for (int i = 0; i < 10000 && !holds(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_TRUE(holds());
    }
};

TEST_F(WaitProgress, Search_CountsThePortsThatAnsweredOrFailed_UntilItsOutcome)
{
    // The workers' clock at four times real time: the silent port keeps its worker for seconds
    // after the others have ended.
    SetClockRateForTesting(4);
    AttachAdapter(1, "KESTRAST/13");
    AttachSilentPort(2);
    auto ended = [] {
        return std::count_if(theApp.m_devices.begin(), theApp.m_devices.end(),
                             [](const DeviceRecord* record) { return !WorkerStillWrites(record); });
    };
    const Point points[] = {
        {"on arrival (ports may have failed already)",
         [&] {
             StartOn(sheet.m_welcomePage);
             ASSERT_TRUE(wizard.Next());
             ASSERT_EQ(wizard.ActivePage(), &sheet.m_idingPage);
         },
         -1, 36},
        {"all but the silent port ended",
         [&] {
             WaitFor([&] { return ended() == 35; });
             host.AdvanceTime(kWorkerPollMs);
         },
         35, 36},
        {"the search gives up on the silent port", [&] { host.AdvanceTime(21000); }, 0, 0},
    };
    ExpectProgressAt(points);
    EXPECT_EQ(theApp.m_devices.size(), 1u);
}

TEST_F(WaitProgress, Download_CountsTheAcknowledgedLines_UntilItsOutcome)
{
    // Each line waits 300 ms for its OK: time to see the count between two of them.
    sim::Faults slow;
    slow.replyDelayMs = 6000;
    AttachAdapter(1, "KESTRAST/13", slow);
    TakeAdapter(3, 13, 1);
    for (int line = 0; line < 8; ++line)
        theApp.m_device.cmdLines.push_back("ATS30=" + std::to_string(line) + "\r");
    theApp.m_device.cmdLines.push_back("AT&W0\r\n");
    const Point points[] = {
        {"on arrival",
         [&] {
             ASSERT_TRUE(StartDownloadWorker(&theApp.m_device));
             StartOn(sheet.m_configingPage);
         },
         0, 9},
        {"line 3 waits for its OK",
         [&] {
             WaitFor([] { return theApp.m_device.status.load() == 2; });
             host.AdvanceTime(kWorkerPollMs);
         },
         2, 9},
        {"the page gives up", [&] { host.AdvanceTime(CConfigingPage::TimeLimitMs(9)); }, 0, 0},
    };
    ExpectProgressAt(points);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configingPage);
}

TEST_F(WaitProgress, Download_OutcomePage_ShowsNoProgress)
{
    AttachAdapter(1, "KESTRAST/13");
    TakeAdapter(3, 13, 1);
    theApp.m_device.cmdLines = {"ATS30=1\r", "AT&W0\r\n"};
    ASSERT_TRUE(StartDownloadWorker(&theApp.m_device));
    StartOn(sheet.m_configingPage);
    ASSERT_TRUE(WaitForWorkers(30000));
    EXPECT_EQ(theApp.m_device.status.load(), 2);
    host.AdvanceTime(kWorkerPollMs);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configSuccessPage);
    EXPECT_EQ(sheet.GetProgress().total, 0);
}
} // namespace
