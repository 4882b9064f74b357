#include "platform/posix/CommPort.h"
#include "platform/win32.h"
#include "tests/support/PseudoTerminal.h"

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
        m_folder.Link(1, m_terminal.SlavePath());
        m_observer = open(m_terminal.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(m_observer, 0);
        m_port = CreateFileA(ComName(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(m_port, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override
    {
        if (m_port != INVALID_HANDLE_VALUE)
            CloseHandle(m_port);
        if (m_observer >= 0)
            close(m_observer);
    }

    termios Observed() const
    {
        termios settings{};
        tcgetattr(m_observer, &settings);
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

    ComPortFolder m_folder;
    PseudoTerminal m_terminal;
    int m_observer = -1;
    HANDLE m_port = INVALID_HANDLE_VALUE;
};
} // namespace

TEST_F(CommStateTest, WizardSettings_AreTakenAndReadBack_OnAPseudoTerminal)
{
    DCB dcb = WizardDcb();
    ASSERT_TRUE(SetCommState(m_port, &dcb)) << GetLastError();

    DCB current{};
    ASSERT_TRUE(GetCommState(m_port, &current));
    EXPECT_EQ(current.BaudRate, static_cast<DWORD>(CBR_300));
    current.BaudRate = CBR_57600;
    ASSERT_TRUE(SetCommState(m_port, &current));

    DCB back{};
    ASSERT_TRUE(GetCommState(m_port, &back));
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

TEST_F(CommStateTest, EveryLineFormat_RoundTripsThroughTermios)
{
    struct Format
    {
        DWORD baud;
        speed_t speed;
        BYTE bits;
        BYTE parity;
        BYTE stopBits;
        tcflag_t cflags;
    };
    // clang-format off
    const Format formats[] = {
        {CBR_300,    B300,    8, NOPARITY,    ONESTOPBIT,   CS8},
        {CBR_1200,   B1200,   7, EVENPARITY,  ONESTOPBIT,   CS7 | PARENB},
        {CBR_9600,   B9600,   7, ODDPARITY,   TWOSTOPBITS,  CS7 | PARENB | PARODD | CSTOPB},
        {CBR_19200,  B19200,  6, MARKPARITY,  ONESTOPBIT,   CS6 | PARENB | PARODD | CMSPAR},
        {CBR_38400,  B38400,  8, SPACEPARITY, TWOSTOPBITS,  CS8 | PARENB | CMSPAR | CSTOPB},
        {CBR_115200, B115200, 5, NOPARITY,    ONE5STOPBITS, CS5 | CSTOPB},
        {230400,     B230400, 8, NOPARITY,    ONESTOPBIT,   CS8},
    };
    // clang-format on
    constexpr tcflag_t kFormatFlags = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    for (const Format& format : formats)
    {
        SCOPED_TRACE(format.baud);
        DCB dcb = WizardDcb();
        dcb.BaudRate = format.baud;
        dcb.ByteSize = format.bits;
        dcb.Parity = format.parity;
        dcb.StopBits = format.stopBits;

        // The mapping itself; a pseudo-terminal's driver forces 8 data bits without parity.
        termios mapped{};
        platform::ApplyDcbToTermios(dcb, mapped);
        EXPECT_EQ(cfgetospeed(&mapped), format.speed);
        EXPECT_EQ(mapped.c_cflag & kFormatFlags, format.cflags);
        const DCB unmapped = platform::DcbFromTermios(mapped, platform::DefaultDcb());
        EXPECT_EQ(unmapped.BaudRate, format.baud);
        EXPECT_EQ(unmapped.ByteSize, format.bits);
        EXPECT_EQ(unmapped.Parity, format.parity);
        EXPECT_EQ(unmapped.StopBits, format.stopBits);

        ASSERT_TRUE(SetCommState(m_port, &dcb)) << GetLastError();
        const termios settings = Observed();
        EXPECT_EQ(cfgetospeed(&settings), format.speed);
        EXPECT_EQ(settings.c_cflag & CSTOPB, format.cflags & CSTOPB);
        DCB back{};
        ASSERT_TRUE(GetCommState(m_port, &back));
        EXPECT_EQ(back.BaudRate, format.baud);
        EXPECT_EQ(back.ByteSize, format.bits);
        EXPECT_EQ(back.Parity, format.parity);
        EXPECT_EQ(back.StopBits, format.stopBits);
    }
}

TEST_F(CommStateTest, FlowControl_MapsToCrtsctsAndXonXoff)
{
    DCB dcb = WizardDcb();
    dcb.fOutxCtsFlow = 1;
    dcb.fOutX = 1;
    dcb.fInX = 1;
    dcb.XonChar = 0x01;
    dcb.XoffChar = 0x02;
    ASSERT_TRUE(SetCommState(m_port, &dcb)) << GetLastError();
    termios settings = Observed();
    EXPECT_NE(settings.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(settings.c_cc[VSTART], 0x01);
    EXPECT_EQ(settings.c_cc[VSTOP], 0x02);
    DCB back{};
    ASSERT_TRUE(GetCommState(m_port, &back));
    EXPECT_EQ(back.fOutxCtsFlow, 1u);
    EXPECT_EQ(back.fOutX, 1u);
    EXPECT_EQ(back.fInX, 1u);
    EXPECT_EQ(back.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));

    dcb = WizardDcb();
    ASSERT_TRUE(SetCommState(m_port, &dcb));
    settings = Observed();
    EXPECT_EQ(settings.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), 0u);
}

TEST_F(CommStateTest, BadOrUnsupportedSettings_FailAndLeaveTheLineAsItWas)
{
    DCB good = WizardDcb();
    good.BaudRate = CBR_57600;
    ASSERT_TRUE(SetCommState(m_port, &good));
    const termios before = Observed();

    struct Case
    {
        const char* what;
        void (*change)(DCB&);
        DWORD error;
    };
    const Case cases[] = {
        {"baud 0", [](DCB& d) { d.BaudRate = 0; }, ERROR_INVALID_PARAMETER},
        {"baud 14400", [](DCB& d) { d.BaudRate = CBR_14400; }, ERROR_INVALID_PARAMETER},
        {"baud 1000000", [](DCB& d) { d.BaudRate = 1000000; }, ERROR_INVALID_PARAMETER},
        {"4 data bits", [](DCB& d) { d.ByteSize = 4; }, ERROR_INVALID_PARAMETER},
        {"9 data bits", [](DCB& d) { d.ByteSize = 9; }, ERROR_INVALID_PARAMETER},
        {"parity 5", [](DCB& d) { d.Parity = 5; }, ERROR_INVALID_PARAMETER},
        {"stop bits 3", [](DCB& d) { d.StopBits = 3; }, ERROR_INVALID_PARAMETER},
        {"1.5 stop bits, 8 data bits", [](DCB& d) { d.StopBits = ONE5STOPBITS; },
         ERROR_INVALID_PARAMETER},
        {"2 stop bits, 5 data bits",
         [](DCB& d) {
             d.ByteSize = 5;
             d.StopBits = TWOSTOPBITS;
         },
         ERROR_INVALID_PARAMETER},
        {"XON equal to XOFF",
         [](DCB& d) {
             d.fOutX = 1;
             d.XoffChar = d.XonChar;
         },
         ERROR_INVALID_PARAMETER},
        {"DSR flow", [](DCB& d) { d.fOutxDsrFlow = 1; }, ERROR_NOT_SUPPORTED},
        {"DTR handshake", [](DCB& d) { d.fDtrControl = DTR_CONTROL_HANDSHAKE; },
         ERROR_NOT_SUPPORTED},
        {"RTS toggle", [](DCB& d) { d.fRtsControl = RTS_CONTROL_TOGGLE; }, ERROR_NOT_SUPPORTED},
        {"null stripping", [](DCB& d) { d.fNull = 1; }, ERROR_NOT_SUPPORTED},
    };
    for (const Case& c : cases)
    {
        DCB bad = good;
        c.change(bad);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(SetCommState(m_port, &bad)) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    const termios after = Observed();
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
    DCB back{};
    ASSERT_TRUE(GetCommState(m_port, &back));
    EXPECT_EQ(back.BaudRate, static_cast<DWORD>(CBR_57600));
    EXPECT_FALSE(SetCommState(m_port, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(CommStateTest, ModemLinesOnAPseudoTerminal_FailWithNotSupported_BreakSucceeds)
{
    for (const DWORD function : {SETDTR, CLRDTR, SETRTS, CLRRTS})
    {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(EscapeCommFunction(m_port, function)) << function;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED)) << function;
    }
    EXPECT_TRUE(EscapeCommFunction(m_port, SETBREAK));
    EXPECT_TRUE(EscapeCommFunction(m_port, CLRBREAK));
    EXPECT_FALSE(EscapeCommFunction(m_port, 77));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    EXPECT_TRUE(SetupComm(m_port, 4096, 4096));
    EXPECT_TRUE(SetCommMask(m_port, 0));
}

TEST_F(CommStateTest, Timeouts_AreKeptByTheHandle_AndTheContradictoryOneIsRefused)
{
    COMMTIMEOUTS set{MAXDWORD, 0, 3500, 0, 3500};
    ASSERT_TRUE(SetCommTimeouts(m_port, &set));
    COMMTIMEOUTS back{};
    ASSERT_TRUE(GetCommTimeouts(m_port, &back));
    EXPECT_EQ(back.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(back.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(back.ReadTotalTimeoutConstant, 3500u);
    EXPECT_EQ(back.WriteTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(back.WriteTotalTimeoutConstant, 3500u);

    COMMTIMEOUTS contradictory{MAXDWORD, MAXDWORD, MAXDWORD, 0, 0};
    EXPECT_FALSE(SetCommTimeouts(m_port, &contradictory));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    ASSERT_TRUE(GetCommTimeouts(m_port, &back));
    EXPECT_EQ(back.ReadTotalTimeoutConstant, 3500u);
}
