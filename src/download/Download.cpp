#include "src/download/Download.h"

#include "src/commands/config.h"
#include "src/identify/PortWorkers.h"

namespace
{
// What the worker reads is its own: the user-interface thread may empty or free the record's
// lines (Cancel, the program's exit) while the worker still sends them.
struct DownloadWork
{
    DeviceRecord* target; // receives the acknowledged lines and the result, and nothing else
    DeviceRecord own;     // the port path and the lines to send
};

static_assert(config_kSent == kDownloadOK && config_kSendFailed == kDownloadSendError &&
                  config_kNoOK == kDownloadNoOK,
              "a download's result is the result of sending its lines");
} // namespace

BOOL StartDownloadWorker(DeviceRecord* record)
{
    record->result.store(-1, std::memory_order_release);
    record->status.store(0, std::memory_order_release);
    auto* work = new DownloadWork{record, {}};
    work->own = *record;
    work->own.cmdLines = record->cmdLines;
    if (StartWorkerThread(&record->hThread, DownloadThreadProc, kWorkerStackSize, work))
        return TRUE;
    delete work;
    return FALSE;
}

DWORD WINAPI DownloadThreadProc(LPVOID parameter)
{
    auto* work = static_cast<DownloadWork*>(parameter);
    const int result = DownloadToPort(work->own, &work->target->status);
    DeviceRecord* target = work->target;
    delete work;
    target->result.store(result, std::memory_order_release);
    return 0;
}

DWORD DownloadWorstCaseMs(size_t lineCount)
{
    constexpr DWORD kPerLineMs = config_kLineReplySeconds * 1000 + config_kPauseAfterLineMs;
    return static_cast<DWORD>(kSettleSeconds * 1000 + lineCount * kPerLineMs);
}

int DownloadToPort(const DeviceRecord& record, std::atomic<int>* acknowledged)
{
    urs_Port port;
    if (!OpenAdapterPort(&port, record.portPath))
        return kDownloadPortError;
    const int result = config_SendStrings(&port, record.cmdLines, acknowledged);
    urs_ClosePort(&port);
    return result;
}
