// The faults an adapter can be given for tests of the wizard's failure paths.
#include "sim/Adapter.h"
#include "tests/sim/SimLine.h"

#include <gtest/gtest.h>

#include <chrono>

using sim_testing::SimLine;
using sim_testing::WaitForLines;

namespace
{
std::unique_ptr<sim::Adapter> StartWith(const sim::Faults& faults,
                                        const std::string& model = "KESTRAST/13")
{
    sim::Options options;
    options.model = model;
    options.faults = faults;
    return sim::Adapter::Start(options);
}
} // namespace

TEST(SimFaults, AnswersNothingButRecordsLines_WhenSilent)
{
    sim::Faults faults;
    faults.silent = true;
    const auto adapter = StartWith(faults);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    line.Send("AT\rATI2\r");
    ASSERT_TRUE(WaitForLines(*adapter, 2));
    EXPECT_EQ(line.ReadQuiet(), "");
    EXPECT_EQ(adapter->ReceivedLines(), (std::vector<std::string>{"AT", "ATI2"}));
}

TEST(SimFaults, AnswersErrorOnTheChosenLineOnly)
{
    sim::Faults faults;
    faults.errorOnLine = 2;
    const auto adapter = StartWith(faults);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("ATS30=1\r"), "ATS30=1\r\r\nOK\r\n");
    EXPECT_EQ(line.Exchange("ATS30=2\r"), "ATS30=2\r\r\nERROR\r\n");
    EXPECT_EQ(line.Exchange("ATS30=3\r"), "ATS30=3\r\r\nOK\r\n");
    EXPECT_EQ(adapter->Settings().at("S30="), "3");
}

TEST(SimFaults, EchoesAtOnceButAnswersOnlyAfterTheDelay_OfItsOwnClock)
{
    sim::Options options;
    options.faults.replyDelayMs = 3000;
    options.clockRate = 10;
    const auto adapter = sim::Adapter::Start(options);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    const auto sent = std::chrono::steady_clock::now();
    line.Send("ATI2\r");
    EXPECT_EQ(line.ReadCount(5), "ATI2\r");
    EXPECT_EQ(line.ReadQuiet(100), "");
    EXPECT_EQ(line.ReadUntil("OK\r\n", 10000), "\r\nKESTRAST\r\n\r\nOK\r\n");
    const auto waited = std::chrono::steady_clock::now() - sent;
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::milliseconds(3000))
        << "a tenth of the delay, at ten times the pace";
}

TEST(SimFaults, SendsNoiseBeforeEachResponse_WhenGarbageIsOn)
{
    sim::Faults faults;
    faults.garbage = true;
    const auto adapter = StartWith(faults);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    const std::string answer = line.Exchange("ATI2\r");
    ASSERT_GT(answer.size(), 5u);
    EXPECT_EQ(answer.substr(0, 5), "ATI2\r");
    EXPECT_NE(answer.find('\xFF', 5), std::string::npos);
    const std::string reply = "\r\nKESTRAST\r\n\r\nOK\r\n";
    EXPECT_EQ(answer.substr(answer.size() - reply.size()), reply);
    EXPECT_EQ(answer.find_first_of("\r\n", 5), answer.size() - reply.size());
}

TEST(SimFaults, FloodsTheFirstAnswerWithoutLineEnd_ThenAnswersNormally)
{
    sim::Faults faults;
    faults.floodBytes = 1 << 20;
    const auto adapter = StartWith(faults);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    line.Send("AT\r");
    const std::string flood = line.ReadCount(5 + faults.floodBytes);
    ASSERT_EQ(flood.size(), 5 + faults.floodBytes);
    EXPECT_EQ(flood.substr(0, 5), "AT\r\r\n");
    EXPECT_EQ(flood.find_first_of("\r\n", 5), std::string::npos);
    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

TEST(SimFaults, GoesAwayAfterTheChosenNumberOfLines)
{
    sim::Faults faults;
    faults.hangupAfterLines = 2;
    const auto adapter = StartWith(faults);
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_FALSE(adapter->HungUp());
    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_TRUE(line.Gone());
    EXPECT_TRUE(adapter->HungUp());
}

TEST(SimFaults, GoesAwayOnHangUp)
{
    const auto adapter = StartWith({});
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    EXPECT_EQ(line.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    adapter->HangUp();
    EXPECT_TRUE(adapter->HungUp());
    EXPECT_TRUE(line.Gone());
    adapter->HangUp(); // a second time does nothing
}

TEST(SimFaults, LeavesOptionQueryUnanswered_WhenOptionSilent)
{
    sim::Faults faults;
    faults.optionSilent = true;
    const auto adapter = StartWith(faults, "ZOBRA-2U with V.110");
    ASSERT_NE(adapter, nullptr);
    SimLine line(adapter->DevicePath());

    line.Send("AT%I\r");
    EXPECT_EQ(line.ReadQuiet(), "AT%I\r");
    EXPECT_EQ(line.Exchange("ATI2\r"), "ATI2\r\r\nZOBRA-TA\r\n\r\nOK\r\n");
}
