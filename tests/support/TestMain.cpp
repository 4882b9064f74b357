#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

namespace
{
HeadlessHost* g_testHost = nullptr;

class HostChecks : public testing::EmptyTestEventListener
{
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        g_testHost->Reset();
        g_testHost->SetClockMode(HeadlessHost::ClockMode::Virtual);
        AfxSetHost(g_testHost);
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        if (g_testHost->PendingAnswers() != 0)
        {
            ADD_FAILURE() << g_testHost->PendingAnswers()
                          << " queued message-box answer(s) were not used";
        }
        g_testHost->ClearAnswers();
    }
};
} // namespace

HeadlessHost& TestHost()
{
    return *g_testHost;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    HeadlessHost host;
    g_testHost = &host;
    host.SetErrorHandler([](const std::string& error) { ADD_FAILURE() << error; });
    AfxSetHost(&host);
    // Appended after the result printer, so its OnTestEnd (run in reverse order) comes first and
    // its failures are counted in the test's result.
    testing::UnitTest::GetInstance()->listeners().Append(new HostChecks);
    int result = RUN_ALL_TESTS();
    AfxSetHost(nullptr);
    g_testHost = nullptr;
    return result;
}
