// The download run: a worker thread takes the packed command lines of the adapter being
// configured to its port, line by line, while the configuring page polls the record's result.
#pragma once

#include "platform/win32.h"
#include "src/identify/DeviceRecord.h"

#include <atomic>
#include <cstddef>

// Download results: DeviceRecord::result once the download worker has ended.
inline constexpr int kDownloadOK = 1; // every line was acknowledged (also when there were none)
// A line could not be written, or the adapter refused it with "ERROR".
inline constexpr int kDownloadSendError = 2;
inline constexpr int kDownloadNoOK = 3;      // no final result for a line within 10 seconds
inline constexpr int kDownloadPortError = 4; // the port could not be opened

// Sets record->result to -1 and record->status to 0, and starts DownloadThreadProc on copies of
// the record's portPath and cmdLines taken now, so that nothing the user-interface thread or the
// program's exit does to the record can pull them away from the worker; the worker writes only
// the record's status (the number of lines the adapter has acknowledged so far) and, last, its
// result. Returns TRUE when the thread was created; otherwise the result stays -1 and no worker
// will ever end it.
BOOL StartDownloadWorker(DeviceRecord* record);

// Thread procedure of the download worker; `work` is what StartDownloadWorker handed over, which
// it frees before publishing the result. Returns 0.
DWORD WINAPI DownloadThreadProc(LPVOID work);

// The longest a download worker of `lineCount` lines can run: the pause after the port is opened,
// then for each line the longest wait for its result and the pause after it. Every exchange is
// bounded, so a worker that lives longer than this hangs.
DWORD DownloadWorstCaseMs(size_t lineCount);

// Opens record.portPath, sets it to 57600 8-N-1, waits the adapter's 2 seconds, sends
// record.cmdLines (config_SendStrings, which counts the acknowledged lines in `acknowledged`
// when given) and closes the port again, whatever the outcome. Returns kDownloadOK,
// kDownloadSendError or kDownloadNoOK, or kDownloadPortError when the port could not be opened.
// Reads nothing of the record but those two fields.
int DownloadToPort(const DeviceRecord& record, std::atomic<int>* acknowledged = nullptr);
