#include "src/serial/log.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
// Runs each test in a temporary working directory of its own, where the log is created.
class Log : public ::testing::Test
{
protected:
    void SetUp() override { m_previousFlag = log_SetEnabledFlag(nullptr); }

    void TearDown() override
    {
        log_Close();
        log_SetEnabledFlag(m_previousFlag);
    }

    static std::string Contents() { return testing_support::ReadFile("log.txt"); }

    testing_support::TempFolder m_folder;
    testing_support::WorkingDirectory m_inFolder{m_folder.Path()};
    const volatile BYTE* m_previousFlag = nullptr;
};
} // namespace

TEST_F(Log, WritesModuleLineAndMessage_AndASecondOpenEmptiesTheFile)
{
    log_Open();
    log_Printf("src/serial/Urswin32.cpp", 42, "Port opened <%s>", "COM3");
    LOG_PRINTF("Port closed");
    log_Close();
    const int macroLine = __LINE__ - 2;
    EXPECT_EQ(Contents(), "[src/serial/Urswin32.cpp (42)]: Port opened <COM3>\n"
                          "[tests/serial/LogTest.cpp (" +
                              std::to_string(macroLine) + ")]: Port closed\n");

    log_Open();
    log_Close();
    EXPECT_EQ(Contents(), "");
}

TEST_F(Log, PercentSignsInModuleAndArguments_AreWrittenUnchanged)
{
    log_Open();
    log_Printf("src/100%s%n.cpp", 7, "<%s> ATI2 Resp %s", "COM1", "50% %d %n %s");
    log_Printf("config.cpp", 8, "<%s>  Config String: %s", "COM1", "AT!C0=1\r\n");
    log_Close();
    EXPECT_EQ(Contents(), "[src/100%s%n.cpp (7)]: <COM1> ATI2 Resp 50% %d %n %s\n"
                          "[config.cpp (8)]: <COM1>  Config String: AT!C0=1\r\n\n");
}

TEST_F(Log, ArgumentsAreWrittenInFull_WhileTheFormatIsCutToTheLineBuffer)
{
    log_Open();
    const std::string reply(100000, 'x');
    log_Printf("devid.cpp", 1, "reply %s", reply.c_str());
    // Module, number and format would need 300 characters: the format is cut at 254 in all,
    // before the conversion that the cut would split.
    const std::string longFormat = std::string(232, 'f') + "%s" + std::string(40, 'g');
    log_Printf("devid.cpp", 2, longFormat.c_str(), "arg");
    const std::string splitFormat = std::string(234, 'f') + "%8.8ld" + std::string(40, 'g');
    log_Printf("devid.cpp", 3, splitFormat.c_str(), 7L);
    log_Printf("devid.cpp", 4, "after");
    log_Close();
    std::istringstream lines(Contents());
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "[devid.cpp (1)]: reply " + reply);
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "[devid.cpp (2)]: " + std::string(232, 'f') + "arg" + std::string(3, 'g'));
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "[devid.cpp (3)]: " + std::string(234, 'f'));
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "[devid.cpp (4)]: after");
}

TEST_F(Log, KilledLogger_LeavesEveryLineItLoggedWhole)
{
    constexpr int kKills = 5;
    const std::regex whole(R"(\[src/identify/devid\.cpp \(7\)\]: <COM1> ATI2 Resp \d+ [a-z ]+)");
    for (int round = 0; round < kKills; ++round)
    {
        SCOPED_TRACE(round);
        int logged[2];
        ASSERT_EQ(pipe(logged), 0);
        const pid_t child = fork();
        if (child == 0)
        {
            log_Open();
            for (int i = 0;; ++i)
            {
                log_Printf("src/identify/devid.cpp", 7, "<%s> ATI2 Resp %d %s", "COM1", i,
                           "somewhat longer reply text");
                if (i == 100 * round + 50)
                    (void)!write(logged[1], "x", 1);
            }
        }
        close(logged[1]);
        char byte;
        ASSERT_EQ(read(logged[0], &byte, 1), 1);
        close(logged[0]);
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);

        const std::string text = Contents();
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n') << "the last line was cut";
        std::istringstream lines(text);
        std::string line;
        int count = 0;
        while (std::getline(lines, line))
        {
            EXPECT_TRUE(std::regex_match(line, whole)) << line;
            ++count;
        }
        EXPECT_GT(count, 100 * round + 50) << "lines logged before the kill were lost";
    }
}

TEST_F(Log, FloodOfLines_StopsAtTheLimit_WithOneLastLineSayingSo)
{
    const std::string reply(1 << 20, 'R');
    log_Open();
    for (int i = 0; i < 20; ++i)
        log_Printf("src/serial/Urswin32.cpp", 1, "<%s>, [%ld], pData [%s]", "COM1", 1L,
                   reply.c_str());
    log_Printf("src/serial/Urswin32.cpp", 2, "dropped too");
    log_Close();
    const std::string text = Contents();
    EXPECT_LE(static_cast<long long>(text.size()), log_kSizeLimit);
    EXPECT_GT(static_cast<long long>(text.size()), log_kSizeLimit - (2 << 20));
    const size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    EXPECT_NE(text.find("]: Log cut at 16777216 bytes: later lines are not written\n", lastLine),
              std::string::npos)
        << text.substr(lastLine);
    EXPECT_EQ(text.find("dropped too"), std::string::npos);
    EXPECT_EQ(text.find("Log cut"), text.rfind("Log cut")) << "said once";

    log_Open();
    log_Printf("m", 3, "a new log takes lines again");
    log_Close();
    EXPECT_EQ(Contents(), "[m (3)]: a new log takes lines again\n");
}

TEST_F(Log, WritesOnlyWhileTheEnabledFlagIsSet)
{
    volatile BYTE enabled = 0;
    log_SetEnabledFlag(&enabled);
    log_Open();
    log_Printf("m", 1, "hidden");
    enabled = 1;
    log_Printf("m", 2, "shown");
    log_Close();
    EXPECT_EQ(Contents(), "[m (2)]: shown\n");
}

TEST_F(Log, WritesNothingAndSurvives_WhenClosedOrNotCreatable)
{
    log_Printf("m", 1, "before any open");
    log_Open();
    log_Close();
    log_Printf("m", 2, "after close");
    log_Close();
    EXPECT_EQ(Contents(), "");

    // A directory in the way: the file cannot be created, so logging stays off.
    std::filesystem::remove("log.txt");
    std::filesystem::create_directory("log.txt");
    log_Open();
    log_Printf("m", 3, "nowhere to go");
    log_Close();
    EXPECT_TRUE(std::filesystem::is_directory("log.txt"));
}

TEST_F(Log, LinesFromEightThreads_StayWhole_AndCloseMayRaceWithThem)
{
    constexpr int kThreads = 8;
    constexpr int kLines = 500;
    log_Open();
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t)
        writers.emplace_back([t] {
            for (int i = 0; i < kLines; ++i)
                log_Printf("src/identify/devid.cpp", t, "<COM%d> line %d of a fairly long message",
                           t, i);
        });
    for (auto& writer : writers)
        writer.join();
    log_Close();

    std::istringstream lines(Contents());
    const std::regex whole(
        R"(\[src/identify/devid\.cpp \((\d)\)\]: <COM\1> line \d+ of a fairly long message)");
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
    {
        EXPECT_TRUE(std::regex_match(line, whole)) << line;
        ++count;
    }
    EXPECT_EQ(count, kThreads * kLines);

    // Workers still writing while the log closes (the program's exit): no crash, no line after.
    log_Open();
    std::atomic<bool> stop{false};
    std::vector<std::thread> late;
    for (int t = 0; t < kThreads; ++t)
        late.emplace_back([&stop] {
            while (!stop.load())
                log_Printf("m", 1, "late");
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    log_Close();
    const std::string closedText = Contents();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop = true;
    for (auto& writer : late)
        writer.join();
    EXPECT_EQ(Contents(), closedText);
}
