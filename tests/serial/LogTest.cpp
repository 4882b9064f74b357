#include "src/serial/log.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
// Runs each test in a temporary working directory of its own, where the log is created.
class Log : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/logtest-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::current_path(folder_);
        previousFlag_ = log_SetEnabledFlag(nullptr);
    }

    void TearDown() override
    {
        log_Close();
        log_SetEnabledFlag(previousFlag_);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    static std::string Contents()
    {
        std::ifstream file("log.txt", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::filesystem::path previous_;
    std::filesystem::path folder_;
    const volatile BYTE* previousFlag_ = nullptr;
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

TEST_F(Log, AThousandCharacterMessage_IsCutToTheLineBuffer)
{
    log_Open();
    const std::string longText(1000, 'x');
    log_Printf("devid.cpp", 1, "reply %s", longText.c_str());
    log_Printf("devid.cpp", 2, "after");
    log_Close();
    const std::string text = Contents();
    const size_t firstEnd = text.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(firstEnd + 1, 255u);
    EXPECT_EQ(text.substr(0, 25), "[devid.cpp (1)]: reply xx");
    EXPECT_EQ(text.substr(firstEnd + 1), "[devid.cpp (2)]: after\n");
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
