// The tasim program: its arguments, its device and link, and its end on a signal.
#include "tests/sim/SimLine.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

using sim_testing::SimLine;

extern char** environ;

namespace
{
// A running tasim with its standard output on a pipe.
class Tasim
{
public:
    explicit Tasim(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), TASIM_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int spawned =
            posix_spawn(&m_pid, TASIM_PROGRAM, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_output = out[0];
        if (spawned != 0)
            throw std::runtime_error("cannot start tasim");
    }
    ~Tasim()
    {
        if (m_pid > 0)
        {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_output);
    }

    // Standard output up to its end or `lines` lines, waiting at most 10 s for each piece.
    std::string Output(int lines = 1000)
    {
        std::string text;
        char buffer[4096];
        pollfd ready{m_output, POLLIN, 0};
        while (std::count(text.begin(), text.end(), '\n') < lines && poll(&ready, 1, 10000) > 0)
        {
            const ssize_t got = read(m_output, buffer, sizeof buffer);
            if (got <= 0)
                break;
            text.append(buffer, static_cast<size_t>(got));
        }
        return text;
    }

    // Sends `signal` (none for 0) and returns the exit status, or -1 when it did not exit.
    int Stop(int signal)
    {
        if (signal != 0)
            kill(m_pid, signal);
        int status = 0;
        const pid_t ended = waitpid(m_pid, &status, 0);
        m_pid = -1;
        return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_output = -1;
};
} // namespace

TEST(Tasim, ServesItsModelOnTheLink_AndRemovesTheLinkOnSigterm)
{
    const testing_support::TempFolder folder;
    const std::string link = folder.File("com3");

    Tasim tasim({"--model", "mirelo/31", "--link", link, "--option-answer", "5"});
    std::string path = tasim.Output(1);
    ASSERT_FALSE(path.empty());
    path.pop_back();
    EXPECT_EQ(std::filesystem::read_symlink(link), path);
    {
        SimLine line(link);
        EXPECT_EQ(line.Exchange("ATI2\r"), "ATI2\r\r\nMIRELO\r\n\r\nOK\r\n");
        EXPECT_EQ(line.Exchange("AT%I\r"), "AT%I\r\r\n5\r\n\r\nOK\r\n");
    }
    EXPECT_EQ(tasim.Stop(SIGTERM), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(Tasim, ListsEveryModel)
{
    Tasim tasim({"--list-models"});
    const std::string list = tasim.Output();
    EXPECT_EQ(tasim.Stop(0), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 27);
    EXPECT_EQ(list.substr(0, 12), "KESTRAST/13\n");
    EXPECT_NE(list.find("\nZANDI-2S without V.110/19\n"), std::string::npos);
    EXPECT_EQ(list.substr(list.size() - 6), "modem\n");
}

TEST(Tasim, ExitsWithStatus2_OnBadArguments)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--model", "1TR6"},       {"--delay", "soon"}, {"--flood"}, {"--echo", "maybe"},
        {"--error-on-line", "-1"}, {"--frobnicate"},    {"stray"},   {"--clock-rate", "0"},
    };
    for (const auto& arguments : bad)
    {
        Tasim tasim(arguments);
        EXPECT_EQ(tasim.Stop(0), 2) << arguments[0];
    }
}
