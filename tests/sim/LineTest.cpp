// The line itself: users opening and closing the port, their line settings, links, and the
// accessors used from other threads.
#include "sim/Adapter.h"
#include "tests/sim/SimLine.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <atomic>
#include <filesystem>
#include <thread>

using sim_testing::SimLine;
using sim_testing::WaitForLines;
using sim_testing::WaitForNoUsers;

TEST(SimLine, KeepsAnswering_WhenThePortIsOpenedAndClosedAgainAndAgain)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    for (int round = 0; round < 50; ++round)
    {
        SCOPED_TRACE(round);
        SimLine line(adapter->DevicePath());
        ASSERT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
        // Half the users leave a command unfinished, which must not spoil the next one's.
        if (round % 2 == 0)
        {
            line.Send("ATI2");
            ASSERT_EQ(line.ReadCount(4), "ATI2");
        }
    }
    EXPECT_EQ(adapter->ReceivedLines(), std::vector<std::string>(50, "AT"));
}

TEST(SimLine, GivesTheNextUserNothingOfThePreviousUsersAnswer)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    {
        SimLine line(adapter->DevicePath());
        line.Send("ATI2\rATI20\r");
        ASSERT_TRUE(WaitForLines(*adapter, 2));
    }
    ASSERT_TRUE(WaitForNoUsers(*adapter));
    SimLine line(adapter->DevicePath());
    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

TEST(SimLine, DropsAnAnswerStillWaiting_WhenItsUserLeaves)
{
    sim::Options options;
    options.faults.replyDelayMs = 500;
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    {
        SimLine line(adapter->DevicePath());
        line.Send("ATI2\r");
        ASSERT_EQ(line.ReadCount(5), "ATI2\r");
    }
    ASSERT_TRUE(WaitForNoUsers(*adapter));
    SimLine line(adapter->DevicePath());
    line.Send("AT\r");
    EXPECT_EQ(line.ReadUntil("OK\r\n", 10000), "AT\r\r\nOK\r\n");
}

TEST(SimLine, ServesAfterTheUserSetsItsOwnLineSettings)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());
    termios settings{};
    ASSERT_EQ(tcgetattr(line.Descriptor(), &settings), 0);
    EXPECT_EQ(settings.c_lflag & (ECHO | ICANON), 0u); // raw before anyone opened it
    cfmakeraw(&settings);
    cfsetispeed(&settings, B57600);
    cfsetospeed(&settings, B57600);
    settings.c_cflag = (settings.c_cflag & ~(CSIZE | PARENB | CSTOPB)) | CS8 | CLOCAL | CREAD;
    ASSERT_EQ(tcsetattr(line.Descriptor(), TCSANOW, &settings), 0);
    tcflush(line.Descriptor(), TCIOFLUSH);

    EXPECT_EQ(line.Exchange("ATI20\r"), "ATI20\r\r\n8-bit KESTRAST\r\n\r\nOK\r\n");
}

// A user that ends without giving its port back (a search cancelled midway) leaves the terminal
// exclusive, which would keep every later user but root out.
TEST(SimLine, ClearsExclusiveMode_WhenItsLastUserIsGone)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    const auto awaitUsers = [&adapter](int users) {
        for (int wait = 0; wait < 500 && adapter->Users() != users; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return adapter->Users() == users;
    };
    {
        SimLine line(adapter->DevicePath());
        ASSERT_TRUE(awaitUsers(1));
        ASSERT_EQ(ioctl(line.Descriptor(), TIOCEXCL), 0);
    }
    ASSERT_TRUE(awaitUsers(0));
    SimLine next(adapter->DevicePath());
    int exclusive = -1;
    ASSERT_EQ(ioctl(next.Descriptor(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(next.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

TEST(SimLine, FindsTheCommandAfterNoise_AndRefusesOverlongLines)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("\xFF\x01xAT\r"), "\xFF\x01xAT\r\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATS30=1\b2\r"), "ATS30=1\b2\r\r\nOK\r\n");
    EXPECT_EQ(adapter->Settings().at("S30="), "2");
    const std::string overlong = "AT" + std::string(3000, '0') + "\r";
    EXPECT_EQ(line.Exchange(overlong).substr(overlong.size()), "\r\nERROR\r\n");
    line.Send("\r\r\n");
    EXPECT_EQ(line.ReadQuiet(), "\r\r");
    EXPECT_EQ(adapter->ReceivedLines().size(), 3u);
}

TEST(SimLine, LinksItsDevice_ReplacingAnOldLink)
{
    const testing_support::TempFolder folder;
    const std::string link = folder.File("com1");
    {
        const auto first = sim::Adapter::Start({});
        ASSERT_NE(first, nullptr);
        ASSERT_TRUE(first->LinkAs(link));
    }
    sim::Options options;
    options.model = "PELLOR-S";
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    ASSERT_TRUE(adapter->LinkAs(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), adapter->DevicePath());
    {
        SimLine line(link);
        EXPECT_EQ(line.Exchange("ATI2\r"), "ATI2\r\r\nPELLOR-S\r\n\r\nOK\r\n");
    }
    EXPECT_FALSE(adapter->LinkAs(folder.File("missing/com2")));
}

TEST(SimLine, AnswersAccessorsFromOtherThreads_WhileServing)
{
    const auto adapter = sim::Adapter::Start({});
    ASSERT_NE(adapter, nullptr);
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done.load())
        {
            (void)adapter->ReceivedLines();
            (void)adapter->Settings();
            (void)adapter->StoredSettings();
            (void)adapter->HungUp();
        }
    });
    SimLine line(adapter->DevicePath());
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(line.Exchange("ATS30=" + std::to_string(i) + "&W0\r"),
                  "ATS30=" + std::to_string(i) + "&W0\r\r\nOK\r\n");
    done = true;
    reader.join();
    EXPECT_EQ(adapter->StoredSettings().at("S30="), "19");
}
