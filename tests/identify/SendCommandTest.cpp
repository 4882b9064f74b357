#include "src/identify/devid.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace serial_testing;

namespace
{
// devid_SendCommand against a pseudo-terminal that answers exactly the bytes a test gives.
class SendCommand : public SerialTest
{
protected:
    void SetUp() override
    {
        SerialTest::SetUp();
        ports().Link(4, m_terminal.SlavePath());
        ASSERT_EQ(urs_OpenPort(&m_port, ComName(4).c_str()), 0);
    }

    void TearDown() override
    {
        urs_ClosePort(&m_port);
        SerialTest::TearDown();
    }

    // Queues `answer` on the line, then runs one exchange of `command` with a 1 s timer.
    int Exchange(const std::string& command, const std::string& answer,
                 size_t capacity = devid_kModelReplySize)
    {
        m_terminal.Send(answer);
        std::memset(m_reply, '#', sizeof m_reply);
        const int result = devid_SendCommand(&m_port, m_reply, capacity, 1, command.c_str());
        EXPECT_EQ(m_terminal.Receive(command.size(), 1000), command);
        return result;
    }

    PseudoTerminal m_terminal;
    urs_Port m_port;
    char m_reply[devid_kModelReplySize + 8];
};
} // namespace

TEST_F(SendCommand, ReplyIsTheFirstLineAfterTheEcho_TrimmedAtBothEnds)
{
    EXPECT_EQ(Exchange("ATI2\r", "ATI2\r\r\n \t KESTRAST  RC \t\r\n\r\nOK\r\n"), 1);
    EXPECT_STREQ(m_reply, "KESTRAST  RC");

    EXPECT_EQ(Exchange("ATE1V1Q0\r", "ATE1V1Q0\r\r\nOK\r\n"), 1) << "echo already on";
    EXPECT_STREQ(m_reply, "OK");

    // Echo off: the first line of the answer counts as the echo.
    EXPECT_EQ(Exchange("ATI2\r", "\r\nKESTRAST\r\n\r\nOK\r\n"), 1);
    EXPECT_STREQ(m_reply, "");

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM4> [ATI2\\r]\n"), std::string::npos) << log;
    EXPECT_NE(log.find(")]: <COM4>, [1], pData [\\n]\n"), std::string::npos) << log;
}

TEST_F(SendCommand, LongerReplyThanItsBuffer_IsCut_AndTheExchangeStillCompletes)
{
    EXPECT_EQ(Exchange("AT%I\r", "AT%I\r\r\n" + std::string(200, 'Y') + "\r\n\r\nOK\r\n",
                       devid_kOptionReplySize),
              1);
    EXPECT_EQ(std::string(m_reply), std::string(devid_kOptionReplySize - 1, 'Y'));
    EXPECT_EQ(m_reply[devid_kOptionReplySize], '#');
}

TEST_F(SendCommand, OOKCRLF_DoesNotComplete_AndTheExchangeEndsByItsTimer)
{
    const ClockWatch watch = StartWatch();
    EXPECT_EQ(Exchange("AT\r", "AT\r\r\nOOK\r\n"), 0);
    EXPECT_GE(watch.Seconds(), 0.9);
    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find("[src/identify/devid.cpp ("), std::string::npos);
    EXPECT_NE(log.find(")]: <COM4> urs_TimeoutTimerExpired\n"), std::string::npos) << log;
}

TEST_F(SendCommand, WriteOnAHungUpLine_FailsTheExchangeAtOnce)
{
    m_terminal.CloseMaster();
    char reply[devid_kShortReplySize];
    EXPECT_EQ(devid_Attention(&m_port, reply, sizeof reply, 2), 0);
    EXPECT_FALSE(urs_TimeoutTimerExpired(&m_port)) << "the timer is disarmed again";
    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find(")]: <COM4> urs_PutStr Failed\n"), std::string::npos) << log;
}

TEST(DevidText, TrimReply_RemovesBlanksTabsAndLineEnds_FromBothEndsOnly)
{
    char text[] = "\t\r\n  ZOBRA-2S  with V.110 \t\n";
    devid_TrimReply(text);
    EXPECT_STREQ(text, "ZOBRA-2S  with V.110");
    char blank[] = " \t\r\n";
    devid_TrimReply(blank);
    EXPECT_STREQ(blank, "");
}

TEST(DevidText, GetModel_TakesTheFirstRowContainedInTheUpperCasedReply)
{
    EXPECT_EQ(devid_GetModel("kestrast-usb", devid_ModelTable), 10);
    EXPECT_EQ(devid_GetModel("KESTRAST", devid_ModelTable), 3);
    EXPECT_EQ(devid_GetModel("OK", devid_ModelTable), 1);
    EXPECT_EQ(devid_GetModel("16-bit KESTRAST without V.110", devid_ExtendedModelTable), 15);
    EXPECT_EQ(devid_GetModel("16-bit KESTRAST", devid_ExtendedModelTable), 14);
    EXPECT_EQ(devid_GetModel("", devid_ExtendedModelTable), devid_kUnknown);
}
