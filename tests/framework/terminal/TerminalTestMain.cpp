// main() of the terminal host's tests, which run in a real terminal (in-terminal.sh starts them
// in tmux): the one terminal session of the program, and a report on standard error, as the
// terminal is the tests' screen.
#include "tests/framework/terminal/TerminalTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
TerminalSession* g_session = nullptr;

class ErrorReport : public testing::EmptyTestEventListener
{
    void OnTestPartResult(const testing::TestPartResult& result) override
    {
        if (result.failed())
        {
            std::fprintf(stderr, "%s:%d: %s\n", result.file_name() ? result.file_name() : "?",
                         result.line_number(), result.summary());
        }
    }
    void OnTestEnd(const testing::TestInfo& test) override
    {
        std::fprintf(stderr, "[%s] %s.%s (%lld ms)\n",
                     test.result()->Passed() ? "  OK  " : "FAILED", test.test_suite_name(),
                     test.name(), static_cast<long long>(test.result()->elapsed_time()));
    }
};
} // namespace

TerminalSession& Session()
{
    return *g_session;
}

void Type(const std::string& keys)
{
    const std::string command = "tmux send-keys -t \"$TMUX_PANE\" " + keys;
    if (std::system(command.c_str()) != 0)
    {
        ADD_FAILURE() << "cannot type " << keys;
    }
}

std::string TerminalCommand(const std::string& arguments)
{
    std::string output;
    if (FILE* pipe = popen(("tmux " + arguments).c_str(), "r"))
    {
        char buffer[4096];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        {
            output.append(buffer, count);
        }
        pclose(pipe);
    }
    return output;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    listeners.Append(new ErrorReport);
    TerminalSession session;
    g_session = &session;
    const int result = RUN_ALL_TESTS();
    g_session = nullptr;
    return result;
}
