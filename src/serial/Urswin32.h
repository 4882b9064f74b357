// The serial port layer: one COM port of the terminal adapter, with fixed line-control settings,
// string writes, single-character reads and a per-port exchange timer from which every driver
// time-out is derived. Every action and every failure is written to the diagnostic log.
//
// A record is used only by the thread that opened it; several ports may be open at once, each in
// a record of its own.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <cstdint>

// Results of the urs_ functions.
inline constexpr int urs_cTimeout = -1;    // the exchange timer has run out
inline constexpr int urs_cOpenFailed = -2; // the port could not be opened or set up
inline constexpr int urs_cCommError = -4;  // a comm-state or I/O call failed

// Capacity a urs_FormatData destination needs for any input (20 bytes of 4 characters, and NUL).
inline constexpr size_t urs_kFormatDataSize = 81;

struct urs_Port
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    // Start of the exchange timer; a `time` of 0 means the timer is not armed.
    struct _timeb timerStart = {};
    int32_t timerLength = 0; // milliseconds
    // The port's name in log lines (COM3 for "\\.\COM3").
    char displayName[200] = {};
    int32_t isOpen = 0;
    // A byte that urs_WaitForChar received and the next urs_GetChar hands out; -1 when none.
    int heldChar = -1;
};

// Opens `devicePath` ("\\.\COMn") exclusively and sets it up: 4096-byte driver queues, both
// queues purged, driver time-outs of 1000 ms, RTS and DTR raised (a refusal is only logged),
// 300 baud 8-N-1 without flow control. Returns 0 with the timer disarmed and the open flag set,
// or urs_cOpenFailed with the port closed again (the open flag stays clear).
int urs_OpenPort(urs_Port* port, const char* devicePath);

// Clears the event mask, lowers DTR, purges the queues and closes the handle; a failing step is
// logged and the rest still runs. The open flag is left as it is.
void urs_ClosePort(urs_Port* port);

// Sets baud rate, data bits, parity, stop bits and CTS output flow (bit 0 of `ctsFlow`) on top of
// the current line settings. Returns 0, or urs_cCommError with the settings unchanged.
int urs_SetUart(urs_Port* port, DWORD baudRate, BYTE dataBits, BYTE parity, BYTE stopBits,
                int ctsFlow);

// The decimal text of a standard rate (300 to 115200); "19200" for any other rate.
const char* urs_BaudName(DWORD baudRate);

// Arms the exchange timer for `seconds` from now.
void urs_StartTimeoutTimer(urs_Port* port, int seconds);
// Disarms the exchange timer.
void urs_StopTimeoutTimer(urs_Port* port);
// True when the timer is armed and its length has passed.
BOOL urs_TimeoutTimerExpired(const urs_Port* port);

// Sets the driver's read and write time-outs to the time left on the timer (3500 ms when it is
// not armed). Returns FALSE, without touching the driver, when the timer has run out, or when
// the driver refuses the time-outs.
BOOL urs_ArmTimeouts(urs_Port* port);

// True when a received byte is waiting to be read. Also clears the driver's line error flags.
BOOL urs_CharsWaiting(urs_Port* port);

// Blocks until a byte has arrived or the exchange timer has run out (at most 3500 ms when the
// timer is not armed), keeping the byte for the next urs_GetChar. Returns TRUE when a byte is
// waiting; with FALSE and an armed timer, the timer has run out on return (a failed line, which
// answers every read at once, is not read again meanwhile). Logs nothing.
BOOL urs_WaitForChar(urs_Port* port);

// Writes `text` without its NUL; see urs_PutBlock.
int urs_PutStr(urs_Port* port, const char* text);

// Writes `count` bytes, each driver write bounded by the time left on the timer (3500 ms when
// not armed; then it keeps writing until every byte is accepted). Returns 0, urs_cTimeout when
// the timer ran out before all was written, or urs_cCommError after a failed write.
int urs_PutBlock(urs_Port* port, const void* data, DWORD count);

// Reads one byte, waiting at most the time left on the timer. Returns the byte (0 to 255),
// urs_cTimeout when the timer has run out or no byte came in time, or urs_cCommError when the
// read failed.
int urs_GetChar(urs_Port* port);

// Waits until the output queue has been sent.
BOOL urs_Flush(urs_Port* port);

void urs_Delay(int seconds);
void urs_DelayMs(int milliseconds);

// Renders the first 20 of `count` bytes as text for the log: \n, \r, printable ASCII as itself,
// any other byte as \xhh. Writes at most `capacity` characters, NUL included (the rendering is
// cut to fit; urs_kFormatDataSize always suffices); returns `destination`.
char* urs_FormatData(char* destination, size_t capacity, const void* data, DWORD count);
