#include "src/serial/Urswin32.h"

#include "src/serial/log.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
constexpr DWORD kQueueSize = 4096;
constexpr DWORD kOpenTimeoutMs = 1000;
constexpr DWORD kUnarmedTimeoutMs = 3500;
constexpr DWORD kAllPurgeFlags = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
constexpr DWORD kFormattedBytes = 20;

BOOL SetDriverTimeouts(HANDLE handle, DWORD totalMs)
{
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = totalMs;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = totalMs;
    return SetCommTimeouts(handle, &timeouts);
}

BOOL IsTimerArmed(const urs_Port* port)
{
    return port->timerStart.time != 0;
}

int64_t ElapsedMs(const urs_Port* port)
{
    struct _timeb now;
    _ftime(&now);
    return (static_cast<int64_t>(now.time) - port->timerStart.time) * 1000 +
           (static_cast<int64_t>(now.millitm) - port->timerStart.millitm);
}

// Milliseconds left on an armed timer; negative once it has run out.
int64_t RemainingMs(const urs_Port* port)
{
    return port->timerLength - ElapsedMs(port);
}

// The driver time-out of the next transfer: what is left of an armed timer, otherwise
// kUnarmedTimeoutMs. False when the armed timer has run out.
bool NextTransferTimeout(const urs_Port* port, DWORD& totalMs)
{
    totalMs = kUnarmedTimeoutMs;
    if (!IsTimerArmed(port))
        return true;
    const int64_t remaining = RemainingMs(port);
    if (remaining < 0)
        return false;
    totalMs = static_cast<DWORD>(remaining);
    return true;
}

// The port's error flags and queue state, as ClearCommError reports (and clears) them.
struct CommErrors
{
    BOOL queried = FALSE;
    DWORD flags = 0;
    COMSTAT status{};
};

CommErrors ClearErrors(HANDLE handle)
{
    CommErrors errors;
    errors.queried = ClearCommError(handle, &errors.flags, &errors.status);
    return errors;
}

// The line settings of an opened port, built from nothing rather than from what the driver had.
DCB OpenLineSettings()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = CBR_300;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.fParity = 1;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = 1;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = 0;
    dcb.fTXContinueOnXoff = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fErrorChar = 0;
    dcb.fNull = 0;
    dcb.fAbortOnError = 0;
    dcb.XonLim = 100;
    dcb.XoffLim = 100;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = 0;
    dcb.EofChar = 0;
    dcb.EvtChar = 0;
    return dcb;
}

// Closes a port whose set-up failed part way; returns the open result.
int FailOpen(urs_Port* port)
{
    urs_ClosePort(port);
    return urs_cOpenFailed;
}
} // namespace

int urs_OpenPort(urs_Port* port, const char* devicePath)
{
    port->isOpen = 0;
    const char* name = std::strlen(devicePath) >= 4 ? devicePath + 4 : devicePath;
    std::snprintf(port->displayName, sizeof port->displayName, "%s", name);
    port->heldChar = -1;

    port->handle = CreateFileA(devicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port->handle == INVALID_HANDLE_VALUE)
    {
        LOG_PRINTF("urs_OpenPort: <%s>, Invalid Handle Error, GetLastError = %8.8ld",
                   port->displayName, static_cast<long>(GetLastError()));
        return urs_cOpenFailed;
    }
    if (!SetupComm(port->handle, kQueueSize, kQueueSize))
    {
        LOG_PRINTF("urs_OpenPort: <%s>, Unable to setup comm buffers", port->displayName);
        return FailOpen(port);
    }
    if (!PurgeComm(port->handle, kAllPurgeFlags))
    {
        LOG_PRINTF("urs_OpenPort: <%s>, Unable to purge comm buffers", port->displayName);
        return FailOpen(port);
    }
    if (!SetDriverTimeouts(port->handle, kOpenTimeoutMs))
    {
        LOG_PRINTF("urs_OpenPort: <%s>, Unable to setup time-outs", port->displayName);
        return FailOpen(port);
    }
    // Lines without modem control (pseudo-terminals, some USB adapters) refuse these; the port
    // works all the same.
    if (!EscapeCommFunction(port->handle, SETRTS))
        LOG_PRINTF("urs_OpenPort: <%s>, Unable to set RTS high", port->displayName);
    if (!EscapeCommFunction(port->handle, SETDTR))
        LOG_PRINTF("urs_OpenPort: <%s>, Unable to set DTR high", port->displayName);
    DCB dcb = OpenLineSettings();
    if (!SetCommState(port->handle, &dcb))
    {
        LOG_PRINTF("urs_OpenPort: <%s> Unable to set comm state", port->displayName);
        return FailOpen(port);
    }
    urs_StopTimeoutTimer(port);
    LOG_PRINTF("Port opened <%s>", port->displayName);
    port->isOpen = 1;
    return 0;
}

void urs_ClosePort(urs_Port* port)
{
    if (!SetCommMask(port->handle, 0))
        LOG_PRINTF("urs_ClosePort: Unable to set comm mask");
    if (!EscapeCommFunction(port->handle, CLRDTR))
        LOG_PRINTF("urs_ClosePort: Unable to lower DTR");
    if (!PurgeComm(port->handle, kAllPurgeFlags))
        LOG_PRINTF("urs_ClosePort: Unable to purge comm");
    CloseHandle(port->handle);
    port->handle = INVALID_HANDLE_VALUE;
    port->heldChar = -1;
    LOG_PRINTF("Port closed");
}

int urs_SetUart(urs_Port* port, DWORD baudRate, BYTE dataBits, BYTE parity, BYTE stopBits,
                int ctsFlow)
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port->handle, &dcb))
    {
        LOG_PRINTF("urs_SetUart: Unable to GetCommState");
        return urs_cCommError;
    }
    dcb.BaudRate = baudRate;
    dcb.ByteSize = dataBits;
    dcb.Parity = parity;
    dcb.StopBits = stopBits;
    dcb.fOutxCtsFlow = static_cast<DWORD>(ctsFlow & 1);
    if (!SetCommState(port->handle, &dcb))
    {
        LOG_PRINTF("urs_SetUart: Unable to SetCommState");
        return urs_cCommError;
    }
    LOG_PRINTF("Uart setup at baud rate %s", urs_BaudName(baudRate));
    return 0;
}

const char* urs_BaudName(DWORD baudRate)
{
    switch (baudRate)
    {
    case CBR_300:
        return "300";
    case CBR_1200:
        return "1200";
    case CBR_2400:
        return "2400";
    case CBR_4800:
        return "4800";
    case CBR_9600:
        return "9600";
    case CBR_38400:
        return "38400";
    case CBR_57600:
        return "57600";
    case CBR_115200:
        return "115200";
    default:
        return "19200";
    }
}

void urs_StartTimeoutTimer(urs_Port* port, int seconds)
{
    _ftime(&port->timerStart);
    port->timerLength = seconds * 1000;
}

void urs_StopTimeoutTimer(urs_Port* port)
{
    port->timerStart.time = 0;
}

BOOL urs_TimeoutTimerExpired(const urs_Port* port)
{
    return IsTimerArmed(port) && RemainingMs(port) < 0;
}

BOOL urs_ArmTimeouts(urs_Port* port)
{
    DWORD totalMs = 0;
    if (!NextTransferTimeout(port, totalMs))
        return FALSE;
    if (!SetDriverTimeouts(port->handle, totalMs))
    {
        LOG_PRINTF("urs_OpenPort: Unable to setup time-outs");
        return FALSE;
    }
    return TRUE;
}

BOOL urs_CharsWaiting(urs_Port* port)
{
    const CommErrors errors = ClearErrors(port->handle);
    return port->heldChar >= 0 || (errors.queried && errors.status.cbInQue > 0);
}

BOOL urs_WaitForChar(urs_Port* port)
{
    if (port->heldChar >= 0)
        return TRUE;
    DWORD totalMs = 0;
    if (!NextTransferTimeout(port, totalMs))
        return FALSE;
    BYTE byte = 0;
    DWORD received = 0;
    const BOOL read = SetDriverTimeouts(port->handle, totalMs) &&
                      ReadFile(port->handle, &byte, 1, &received, nullptr);
    if (received == 1)
    {
        port->heldChar = byte;
        return TRUE;
    }
    // Nothing came: the read has waited out the timer, or the line has failed and answers every
    // read at once. Either way nothing is to be had before the timer ends; sleeping until just
    // past its end keeps the caller's loop from running hot meanwhile.
    if (IsTimerArmed(port))
    {
        const int64_t left = RemainingMs(port);
        if (left >= 0)
            Sleep(static_cast<DWORD>(left + 1));
    }
    else if (!read)
    {
        Sleep(kUnarmedTimeoutMs);
    }
    return FALSE;
}

int urs_PutStr(urs_Port* port, const char* text)
{
    return urs_PutBlock(port, text, static_cast<DWORD>(std::strlen(text)));
}

int urs_PutBlock(urs_Port* port, const void* data, DWORD count)
{
    const auto* bytes = static_cast<const BYTE*>(data);
    DWORD left = count;
    for (;;)
    {
        if (!urs_ArmTimeouts(port))
        {
            LOG_PRINTF("Timeout when setting comm timeouts");
            return urs_cTimeout;
        }
        DWORD written = 0;
        if (!WriteFile(port->handle, bytes, left, &written, nullptr))
        {
            const DWORD error = GetLastError();
            const CommErrors errors = ClearErrors(port->handle);
            // A full transmit queue is no failure: the rest is written on the next pass.
            if (errors.flags != CE_TXFULL)
            {
                LOG_PRINTF("<%s>:  Write File Error (%d, %8.8ld, %8.8ld)", port->displayName,
                           errors.queried, static_cast<long>(errors.flags),
                           static_cast<long>(error));
                char message[256] = {};
                FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error,
                               MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), message, sizeof message,
                               nullptr);
                LOG_PRINTF("<%s>:  Error: %s", port->displayName, message);
                LOG_PRINTF("<%s>:  Write File Error %ld of %ld bytes written", port->displayName,
                           static_cast<long>(written), static_cast<long>(left));
                return urs_cCommError;
            }
        }
        char text[urs_kFormatDataSize];
        LOG_PRINTF("<%s> [%s]", port->displayName, urs_FormatData(text, sizeof text, bytes, left));
        written = std::min(written, left);
        bytes += written;
        left -= written;
        if (left == 0)
            return 0;
    }
}

int urs_GetChar(urs_Port* port)
{
    if (!urs_ArmTimeouts(port))
        return urs_cTimeout;
    char text[urs_kFormatDataSize];
    if (port->heldChar >= 0)
    {
        const BYTE byte = static_cast<BYTE>(port->heldChar);
        port->heldChar = -1;
        LOG_PRINTF("<%s>, [%ld], pData [%s]", port->displayName, 1L,
                   urs_FormatData(text, sizeof text, &byte, 1));
        return byte;
    }
    BYTE byte = 0;
    DWORD received = 0;
    const BOOL read = ReadFile(port->handle, &byte, 1, &received, nullptr);
    const DWORD error = read ? 0 : GetLastError();
    LOG_PRINTF("<%s>, [%ld], pData [%s]", port->displayName, 1L,
               urs_FormatData(text, sizeof text, &byte, received));
    if (!read)
    {
        const CommErrors errors = ClearErrors(port->handle);
        LOG_PRINTF("Read File Error (%d, %8.8lx, %8.8lx)", errors.queried,
                   static_cast<long>(errors.flags), static_cast<long>(error));
        return urs_cCommError;
    }
    if (received == 0)
        return urs_cTimeout;
    return byte;
}

BOOL urs_Flush(urs_Port* port)
{
    return FlushFileBuffers(port->handle);
}

void urs_Delay(int seconds)
{
    Sleep(static_cast<DWORD>(seconds) * 1000);
}

void urs_DelayMs(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

char* urs_FormatData(char* destination, size_t capacity, const void* data, DWORD count)
{
    if (capacity == 0)
        return destination;
    destination[0] = '\0';
    const auto* bytes = static_cast<const BYTE*>(data);
    size_t length = 0;
    const DWORD shown = std::min(count, kFormattedBytes);
    for (DWORD i = 0; i < shown; ++i)
    {
        char piece[5];
        const BYTE byte = bytes[i];
        if (byte == '\n')
            std::snprintf(piece, sizeof piece, "\\n");
        else if (byte == '\r')
            std::snprintf(piece, sizeof piece, "\\r");
        else if (byte >= 0x20 && byte <= 0x7E)
            std::snprintf(piece, sizeof piece, "%c", byte);
        else
            std::snprintf(piece, sizeof piece, "\\x%2.2x", byte);
        const size_t pieceLength = std::strlen(piece);
        if (length + pieceLength >= capacity)
            break;
        std::memcpy(destination + length, piece, pieceLength + 1);
        length += pieceLength;
    }
    return destination;
}
