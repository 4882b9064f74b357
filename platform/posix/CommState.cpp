// Line settings, modem control, queues and error state of COM ports.
//
// A device control block maps onto termios in raw mode. The fields termios cannot hold
// (XonLim, XoffLim, the error, end-of-file and event characters, fParity, fTXContinueOnXoff,
// the DTR and RTS control modes) are kept in the port and shown again by GetCommState.
// Settings that this driver could only pretend to carry out (DSR flow control and sensitivity,
// DTR handshaking, RTS toggling, error-character replacement, null stripping, abort on error)
// fail with ERROR_NOT_SUPPORTED rather than being ignored silently.
#include "platform/posix/CommPort.h"
#include "platform/posix/Errors.h"

#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>

using platform::CommPort;
using platform::FailWith;
using platform::FailWithErrno;
using platform::LookupHandle;

namespace
{
struct BaudRate
{
    DWORD rate;
    speed_t speed;
};

// clang-format off
constexpr BaudRate kBaudRates[] = {
    {110, B110},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400},
};
// clang-format on

bool SpeedOfRate(DWORD rate, speed_t& speed)
{
    for (const BaudRate& entry : kBaudRates)
    {
        if (entry.rate == rate)
        {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

DWORD RateOfSpeed(speed_t speed, DWORD otherwise)
{
    for (const BaudRate& entry : kBaudRates)
    {
        if (entry.speed == speed)
            return entry.rate;
    }
    return otherwise;
}

tcflag_t CharacterSizeFlag(BYTE bits)
{
    switch (bits)
    {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

BYTE CharacterSize(tcflag_t cflag)
{
    switch (cflag & CSIZE)
    {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

// ERROR_SUCCESS when `dcb` can be carried out, else the reason.
DWORD CheckDcb(const DCB& dcb)
{
    speed_t speed{};
    if (!SpeedOfRate(dcb.BaudRate, speed) || dcb.ByteSize < 5 || dcb.ByteSize > 8 ||
        dcb.Parity > SPACEPARITY || dcb.StopBits > TWOSTOPBITS)
        return ERROR_INVALID_PARAMETER;
    // A UART sends 1.5 stop bits only with 5 data bits, and then cannot send 2 (as on Windows).
    if (dcb.StopBits == ONE5STOPBITS && dcb.ByteSize != 5)
        return ERROR_INVALID_PARAMETER;
    if (dcb.StopBits == TWOSTOPBITS && dcb.ByteSize == 5)
        return ERROR_INVALID_PARAMETER;
    if (dcb.fDtrControl > DTR_CONTROL_HANDSHAKE)
        return ERROR_INVALID_PARAMETER;
    if ((dcb.fOutX || dcb.fInX) && dcb.XonChar == dcb.XoffChar)
        return ERROR_INVALID_PARAMETER;
    if (dcb.fOutxDsrFlow || dcb.fDsrSensitivity || dcb.fDtrControl == DTR_CONTROL_HANDSHAKE ||
        dcb.fRtsControl == RTS_CONTROL_TOGGLE || dcb.fErrorChar || dcb.fNull || dcb.fAbortOnError)
        return ERROR_NOT_SUPPORTED;
    return ERROR_SUCCESS;
}

// Raises or lowers modem control lines; a device without them (a pseudo-terminal) is left alone.
void DriveModemLine(int fd, int line, bool raise)
{
    ioctl(fd, raise ? TIOCMBIS : TIOCMBIC, &line);
}
} // namespace

namespace platform
{
void ApplyDcbToTermios(const DCB& dcb, termios& settings)
{
    MakeRaw(settings);
    speed_t speed{};
    SpeedOfRate(dcb.BaudRate, speed);
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    settings.c_cflag |= CharacterSizeFlag(dcb.ByteSize);
    switch (dcb.Parity)
    {
    case ODDPARITY:
        settings.c_cflag |= PARENB | PARODD;
        break;
    case EVENPARITY:
        settings.c_cflag |= PARENB;
        break;
    case MARKPARITY:
        settings.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case SPACEPARITY:
        settings.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (dcb.StopBits != ONESTOPBIT)
        settings.c_cflag |= CSTOPB;
    if (dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE)
        settings.c_cflag |= CRTSCTS;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (dcb.fOutX)
        settings.c_iflag |= IXON;
    if (dcb.fInX)
        settings.c_iflag |= IXOFF;
    settings.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    settings.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
}

void MakeRaw(termios& settings)
{
    settings.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXANY | INPCK | IGNPAR);
    settings.c_oflag &= ~OPOST;
    settings.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
}

// Real UARTs count line errors since boot; a device that keeps no counters (a pseudo-terminal)
// answers ENOTTY or EINVAL.
bool ReadErrorCounts(int fd, CommPort::ErrorCounts& counts)
{
    serial_icounter_struct counters{};
    if (ioctl(fd, TIOCGICOUNT, &counters) != 0)
        return false;
    counts = CommPort::ErrorCounts{counters.frame, counters.overrun, counters.parity, counters.brk,
                                   counters.buf_overrun};
    return true;
}

DCB DefaultDcb()
{
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = CBR_9600;
    dcb.fBinary = 1;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 8;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

DCB DcbFromTermios(const termios& settings, const DCB& kept)
{
    DCB dcb = kept;
    dcb.DCBlength = sizeof(DCB);
    dcb.fBinary = 1;
    dcb.BaudRate = RateOfSpeed(cfgetospeed(&settings), kept.BaudRate);
    dcb.ByteSize = CharacterSize(settings.c_cflag);
    if (!(settings.c_cflag & PARENB))
        dcb.Parity = NOPARITY;
    else if (settings.c_cflag & CMSPAR)
        dcb.Parity = (settings.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
    else
        dcb.Parity = (settings.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
    if (!(settings.c_cflag & CSTOPB))
        dcb.StopBits = ONESTOPBIT;
    else
        dcb.StopBits = dcb.ByteSize == 5 ? ONE5STOPBITS : TWOSTOPBITS;
    const bool hardwareFlow = (settings.c_cflag & CRTSCTS) != 0;
    dcb.fOutxCtsFlow = hardwareFlow;
    if (hardwareFlow && !kept.fOutxCtsFlow && kept.fRtsControl != RTS_CONTROL_HANDSHAKE)
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    else if (!hardwareFlow && kept.fRtsControl == RTS_CONTROL_HANDSHAKE)
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = (settings.c_iflag & IXON) != 0;
    dcb.fInX = (settings.c_iflag & IXOFF) != 0;
    dcb.XonChar = static_cast<char>(settings.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(settings.c_cc[VSTOP]);
    return dcb;
}
} // namespace platform

BOOL SetCommState(HANDLE hFile, LPDCB lpDCB)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpDCB == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    const DCB dcb = *lpDCB;
    if (const DWORD problem = CheckDcb(dcb); problem != ERROR_SUCCESS)
        return FailWith(problem);
    const int fd = port->Descriptor();
    termios before{};
    if (tcgetattr(fd, &before) != 0)
        return FailWithErrno(errno);
    termios wanted = before;
    platform::ApplyDcbToTermios(dcb, wanted);
    if (tcsetattr(fd, TCSANOW, &wanted) != 0)
        return FailWithErrno(errno);
    // tcsetattr succeeds when any part was taken; a driver that refused the speed or the
    // character size has to be caught by reading back.
    termios taken{};
    if (tcgetattr(fd, &taken) != 0)
        return FailWithErrno(errno);
    constexpr tcflag_t kFormat = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    if (cfgetospeed(&taken) != cfgetospeed(&wanted) ||
        (!port->IsPseudoTerminal() && (taken.c_cflag & kFormat) != (wanted.c_cflag & kFormat)))
    {
        tcsetattr(fd, TCSANOW, &before);
        return FailWith(ERROR_INVALID_PARAMETER);
    }
    if (dcb.fDtrControl == DTR_CONTROL_ENABLE || dcb.fDtrControl == DTR_CONTROL_DISABLE)
        DriveModemLine(fd, TIOCM_DTR, dcb.fDtrControl == DTR_CONTROL_ENABLE);
    if (dcb.fRtsControl == RTS_CONTROL_ENABLE || dcb.fRtsControl == RTS_CONTROL_DISABLE)
        DriveModemLine(fd, TIOCM_RTS, dcb.fRtsControl == RTS_CONTROL_ENABLE);
    port->SetKeptState(dcb);
    return TRUE;
}

BOOL GetCommState(HANDLE hFile, LPDCB lpDCB)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpDCB == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    termios settings{};
    if (tcgetattr(port->Descriptor(), &settings) != 0)
        return FailWithErrno(errno);
    const DCB kept = port->KeptState();
    DCB dcb = platform::DcbFromTermios(settings, kept);
    if (port->IsPseudoTerminal())
    {
        dcb.ByteSize = kept.ByteSize;
        dcb.Parity = kept.Parity;
        dcb.StopBits = kept.StopBits;
    }
    *lpDCB = dcb;
    return TRUE;
}

BOOL EscapeCommFunction(HANDLE hFile, DWORD dwFunc)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    const int fd = port->Descriptor();
    int result = 0;
    switch (dwFunc)
    {
    case SETRTS:
    case CLRRTS:
    case SETDTR:
    case CLRDTR: {
        int line = (dwFunc == SETRTS || dwFunc == CLRRTS) ? TIOCM_RTS : TIOCM_DTR;
        const bool raise = dwFunc == SETRTS || dwFunc == SETDTR;
        result = ioctl(fd, raise ? TIOCMBIS : TIOCMBIC, &line);
        break;
    }
    case SETBREAK:
        result = ioctl(fd, TIOCSBRK);
        break;
    case CLRBREAK:
        result = ioctl(fd, TIOCCBRK);
        break;
    case SETXOFF:
        result = tcflow(fd, TCOOFF);
        break;
    case SETXON:
        result = tcflow(fd, TCOON);
        break;
    default:
        return FailWith(ERROR_INVALID_PARAMETER);
    }
    if (result != 0)
    {
        // A pseudo-terminal has no modem lines and answers ENOTTY; some drivers say EINVAL.
        const int error = errno;
        return FailWith(error == ENOTTY || error == EINVAL ? static_cast<DWORD>(ERROR_NOT_SUPPORTED)
                                                           : platform::Win32ErrorFromErrno(error));
    }
    return TRUE;
}

BOOL PurgeComm(HANDLE hFile, DWORD dwFlags)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    constexpr DWORD kAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
    if ((dwFlags & ~kAll) != 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    // Calls are synchronous here, so aborting means no more than discarding the queue.
    const bool transmit = (dwFlags & (PURGE_TXABORT | PURGE_TXCLEAR)) != 0;
    const bool receive = (dwFlags & (PURGE_RXABORT | PURGE_RXCLEAR)) != 0;
    if (!transmit && !receive)
        return TRUE;
    const int queue = transmit && receive ? TCIOFLUSH : (transmit ? TCOFLUSH : TCIFLUSH);
    if (tcflush(port->Descriptor(), queue) != 0)
        return FailWithErrno(errno);
    return TRUE;
}

// The kernel's queues have fixed sizes; the request is accepted as a hint.
BOOL SetupComm(HANDLE hFile, DWORD, DWORD)
{
    return LookupHandle<CommPort>(hFile) ? TRUE : FALSE;
}

BOOL SetCommMask(HANDLE hFile, DWORD dwEvtMask)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    port->SetEventMask(dwEvtMask);
    return TRUE;
}

BOOL SetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpCommTimeouts == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    // The one combination Windows refuses: "return at once" and "wait forever" together.
    if (lpCommTimeouts->ReadIntervalTimeout == MAXDWORD &&
        lpCommTimeouts->ReadTotalTimeoutMultiplier == MAXDWORD &&
        lpCommTimeouts->ReadTotalTimeoutConstant == MAXDWORD)
        return FailWith(ERROR_INVALID_PARAMETER);
    port->SetTimeouts(*lpCommTimeouts);
    return TRUE;
}

BOOL GetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    if (lpCommTimeouts == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    *lpCommTimeouts = port->Timeouts();
    return TRUE;
}

BOOL ClearCommError(HANDLE hFile, LPDWORD lpErrors, LPCOMSTAT lpStat)
{
    const auto port = LookupHandle<CommPort>(hFile);
    if (!port)
        return FALSE;
    const int fd = port->Descriptor();
    int inQueue = 0;
    int outQueue = 0;
    if (ioctl(fd, FIONREAD, &inQueue) != 0)
        return FailWithErrno(errno);
    if (ioctl(fd, TIOCOUTQ, &outQueue) != 0)
        outQueue = 0;
    DWORD errors = 0;
    CommPort::ErrorCounts now;
    if (platform::ReadErrorCounts(fd, now))
    {
        const CommPort::ErrorCounts before = port->ExchangeErrorCounts(now);
        if (now.frame != before.frame)
            errors |= CE_FRAME;
        if (now.overrun != before.overrun)
            errors |= CE_OVERRUN;
        if (now.parity != before.parity)
            errors |= CE_RXPARITY;
        if (now.brk != before.brk)
            errors |= CE_BREAK;
        if (now.bufferOverrun != before.bufferOverrun)
            errors |= CE_RXOVER;
    }
    if (lpErrors)
        *lpErrors = errors;
    if (lpStat)
    {
        *lpStat = COMSTAT{};
        lpStat->cbInQue = static_cast<DWORD>(inQueue);
        lpStat->cbOutQue = static_cast<DWORD>(outQueue);
    }
    return TRUE;
}
