// Worker threads that work on one DeviceRecord each (the port search and the download), and the
// identification of the adapter on one port.
#pragma once

#include "platform/win32.h"
#include "src/identify/DeviceRecord.h"
#include "src/serial/Urswin32.h"

// Identification statuses beyond those of devid_Identify.
inline constexpr int kIdentifyStarting = 0; // before the probe (0 again once identified)
inline constexpr int kIdentifyProbing = 1;
inline constexpr int kIdentifyPortUnavailable = 2; // the port is missing or in use

// Size of the stack each worker asks for, in bytes.
inline constexpr SIZE_T kWorkerStackSize = 12000;
// The pause after an adapter's port is opened and set up, before anything is sent to it.
inline constexpr int kSettleSeconds = 2;

// Starts a thread that runs `proc` with `work` as its argument (a DeviceRecord, or what the
// download hands its worker), storing its handle in `*handle`. Returns TRUE when the thread was
// created (FALSE leaves `*handle` NULL). The handle is never closed and the thread is never
// waited for; `work` must outlive the thread.
BOOL StartWorkerThread(HANDLE* handle, LPTHREAD_START_ROUTINE proc, SIZE_T stackSize, LPVOID work);

// Sets record->result to -1 and starts IdentifyThreadProc on it. Returns what StartWorkerThread
// returns; when no thread could be started, status and result are set to 2 (port unusable), so
// that nobody waits for a worker that does not exist.
BOOL StartIdentifyWorker(DeviceRecord* record);

// Thread procedure: IdentifyOnPort on the record's own port, its return value published last in
// the record's result. Returns 0.
DWORD WINAPI IdentifyThreadProc(LPVOID record);

// Opens `portPath` into `port` the way every talk with an adapter begins: 57600 baud 8-N-1
// without CTS flow control, then the 2 seconds the adapter is given after the port opens.
// Returns FALSE, at once and with the port closed, when the port could not be opened.
BOOL OpenAdapterPort(urs_Port* port, const char* portPath);

// Opens `portPath`, sets it to 57600 8-N-1, waits the adapter's 2 seconds, identifies it (5 s per
// exchange) and closes the port. Writes record.status (0, then 1, then the outcome) and the
// model codes of the record, and returns the outcome: 0 identified, 2 port missing or in use, or
// another devid_Identify status. Takes at least 2 seconds when the port opens.
int IdentifyOnPort(DeviceRecord& record, const char* portPath);
