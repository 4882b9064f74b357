#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/profile/ProfileFile.h"
#include "src/serial/log.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using testing_support::ReadFile;

// Runs the start-up in a fresh temporary working directory, where the log is written.
class StartupTest : public testing::Test
{
protected:
    void TearDown() override { TestHost().SetDriver(nullptr); }

    fs::path LogPath() const { return m_folder.Path() / "log.txt"; }

    testing_support::TempFolder m_folder;
    testing_support::WorkingDirectory m_inFolder{m_folder.Path()};
};

// What a user sees on the first page, then Cancel.
class CancelOnFirstPage : public Driver
{
public:
    bool Step(CPropertySheet& sheet) override
    {
        ++steps;
        activeIndex = sheet.GetActiveIndex();
        wizardMode = sheet.IsWizard() != FALSE;
        mainWindowIsSheet = theApp.m_pMainWnd == &sheet;
        appSheet = dynamic_cast<CCfgSheet*>(&sheet);
        bigIconSet = sheet.GetIcon(TRUE) != nullptr && sheet.GetIcon(TRUE) == sheet.GetIcon(FALSE);
        if (lineToLog != nullptr)
            LOG_PRINTF("%s", lineToLog);
        sheet.PressButton(IDCANCEL);
        return true;
    }

    const char* lineToLog = nullptr;
    int steps = 0;
    int activeIndex = -1;
    bool wizardMode = false;
    bool mainWindowIsSheet = false;
    bool bigIconSet = false;
    CCfgSheet* appSheet = nullptr;
};

TEST_F(StartupTest, CancelOnTheFirstPageEndsTheRunWithTheLogClosedAndComplete_WhenStarted)
{
    CancelOnFirstPage driver;
    driver.lineToLog = "started the wizard";
    TestHost().SetDriver(&driver);

    EXPECT_FALSE(theApp.InitInstance());

    EXPECT_EQ(driver.steps, 1);
    EXPECT_EQ(driver.activeIndex, 0);
    EXPECT_TRUE(driver.wizardMode);
    EXPECT_TRUE(driver.mainWindowIsSheet);
    EXPECT_NE(driver.appSheet, nullptr);
    EXPECT_TRUE(driver.bigIconSet);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_TRUE(theApp.m_bLogEnabled);

    ASSERT_TRUE(fs::exists(LogPath()));
    const std::string written = ReadFile(LogPath());
    EXPECT_NE(written.find("]: started the wizard\n"), std::string::npos) << written;
    EXPECT_EQ(written.back(), '\n');

    LOG_PRINTF("%s", "after the wizard closed");
    EXPECT_EQ(ReadFile(LogPath()), written);
}

TEST_F(StartupTest, SecondStartEmptiesTheLog_WhenTheFirstLeftLinesInIt)
{
    CancelOnFirstPage first;
    first.lineToLog = "first run";
    TestHost().SetDriver(&first);
    theApp.InitInstance();
    ASSERT_FALSE(ReadFile(LogPath()).empty());

    CancelOnFirstPage second;
    TestHost().SetDriver(&second);
    theApp.InitInstance();

    EXPECT_EQ(second.steps, 1);
    ASSERT_TRUE(fs::exists(LogPath()));
    const std::string log = ReadFile(LogPath());
    EXPECT_EQ(log.find("first run"), std::string::npos) << log;
    // The one line of the second start: the profile it uses.
    EXPECT_NE(log.find("]: Profile /"), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("/quoran.ini\n")) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}

TEST(CfgApp, ConfigurationIsUnmodifiedAndNoAdapterKnown_AtProgramStart)
{
    EXPECT_FALSE(g_bCfgModified);
    EXPECT_TRUE(theApp.m_devices.empty());
    EXPECT_TRUE(theApp.m_device.cmdLines.empty());
    EXPECT_EQ(theApp.m_device.result.load(), -1);
}

// A worker that is still identifying when the program ends keeps writing into its record while
// the application object is destroyed; the record must still be there.
TEST(CfgAppDeathTest, WorkerStillWritingItsRecordDuringExit_DoesNotTouchFreedMemory)
{
    EXPECT_EXIT(
        {
            auto* busy = new DeviceRecord;
            auto* finished = new DeviceRecord;
            finished->result.store(0);
            theApp.m_devices.push_back(busy);
            theApp.m_devices.push_back(finished);
            std::thread([busy] {
                for (int tick = 0;; ++tick)
                    busy->status.store(tick, std::memory_order_release);
            }).detach();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}
} // namespace
