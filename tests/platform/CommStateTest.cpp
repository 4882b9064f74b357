#include "platform/win32.h"
#include "tests/platform/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::PseudoTerminal;

namespace
{
// A pseudo-terminal as COM1, opened; `observer` is a second descriptor on the same device, opened
// before the port, through which the tests read the line settings the port has applied.
class CommStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder_.Link(1, terminal_.SlavePath());
        observer_ = open(terminal_.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(observer_, 0);
        port_ = CreateFileA(ComName(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(port_, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override
    {
        if (port_ != INVALID_HANDLE_VALUE)
            CloseHandle(port_);
        if (observer_ >= 0)
            close(observer_);
    }

    termios Observed() const
    {
        termios settings{};
        tcgetattr(observer_, &settings);
        return settings;
    }

    // The device control block the serial layer builds from zero when it opens a port.
    static DCB WizardDcb()
    {
        DCB dcb{};
        dcb.BaudRate = CBR_300;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.fParity = 1;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = 1;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.XonLim = 100;
        dcb.XoffLim = 100;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
        return dcb;
    }

    ComPortFolder folder_;
    PseudoTerminal terminal_;
    int observer_ = -1;
    HANDLE port_ = INVALID_HANDLE_VALUE;
};
} // namespace

TEST_F(CommStateTest, WizardSettings_AreTakenAndReadBack_OnAPseudoTerminal)
{
    DCB dcb = WizardDcb();
    ASSERT_TRUE(SetCommState(port_, &dcb)) << GetLastError();

    DCB current{};
    ASSERT_TRUE(GetCommState(port_, &current));
    EXPECT_EQ(current.BaudRate, static_cast<DWORD>(CBR_300));
    current.BaudRate = CBR_57600;
    ASSERT_TRUE(SetCommState(port_, &current));

    DCB back{};
    ASSERT_TRUE(GetCommState(port_, &back));
    EXPECT_EQ(back.DCBlength, sizeof(DCB));
    EXPECT_EQ(back.BaudRate, static_cast<DWORD>(CBR_57600));
    EXPECT_EQ(back.ByteSize, 8);
    EXPECT_EQ(back.Parity, NOPARITY);
    EXPECT_EQ(back.StopBits, ONESTOPBIT);
    EXPECT_EQ(back.fOutxCtsFlow, 0u);
    EXPECT_EQ(back.fOutX, 0u);
    EXPECT_EQ(back.fInX, 0u);
    // What termios cannot hold comes back as it was set.
    EXPECT_EQ(back.fParity, 1u);
    EXPECT_EQ(back.fBinary, 1u);
    EXPECT_EQ(back.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
    EXPECT_EQ(back.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
    EXPECT_EQ(back.XonLim, 100);
    EXPECT_EQ(back.XoffLim, 100);
    EXPECT_EQ(back.XonChar, 0x11);
    EXPECT_EQ(back.XoffChar, 0x13);

    const termios settings = Observed();
    EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B57600));
    EXPECT_EQ(cfgetispeed(&settings), static_cast<speed_t>(B57600));
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(settings.c_oflag & OPOST, 0u);
    EXPECT_EQ(settings.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP | INPCK), 0u);
}
