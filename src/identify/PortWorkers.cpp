#include "src/identify/PortWorkers.h"

#include "src/identify/devid.h"

namespace
{
constexpr DWORD kAdapterBaudRate = CBR_57600;
constexpr int kReplySeconds = 5;
} // namespace

BOOL StartWorkerThread(HANDLE* handle, LPTHREAD_START_ROUTINE proc, SIZE_T stackSize, LPVOID work)
{
    *handle = CreateThread(nullptr, stackSize, proc, work, 0, nullptr);
    return *handle != nullptr;
}

BOOL StartIdentifyWorker(DeviceRecord* record)
{
    record->result.store(-1, std::memory_order_release);
    if (StartWorkerThread(&record->hThread, IdentifyThreadProc, kWorkerStackSize, record))
        return TRUE;
    // No worker will ever finish this record: make it a finished, unusable port at once.
    record->status.store(kIdentifyPortUnavailable, std::memory_order_release);
    record->result.store(kIdentifyPortUnavailable, std::memory_order_release);
    return FALSE;
}

BOOL OpenAdapterPort(urs_Port* port, const char* portPath)
{
    if (urs_OpenPort(port, portPath) == urs_cOpenFailed)
        return FALSE;
    urs_SetUart(port, kAdapterBaudRate, 8, NOPARITY, ONESTOPBIT, 0);
    urs_Delay(kSettleSeconds);
    return TRUE;
}

DWORD WINAPI IdentifyThreadProc(LPVOID parameter)
{
    auto* record = static_cast<DeviceRecord*>(parameter);
    const int outcome = IdentifyOnPort(*record, record->portPath);
    record->result.store(outcome, std::memory_order_release);
    return 0;
}

int IdentifyOnPort(DeviceRecord& record, const char* portPath)
{
    record.status.store(kIdentifyStarting, std::memory_order_release);
    record.status.store(kIdentifyProbing, std::memory_order_release);
    urs_Port port;
    if (!OpenAdapterPort(&port, portPath))
    {
        record.status.store(kIdentifyPortUnavailable, std::memory_order_release);
        return kIdentifyPortUnavailable;
    }
    const int outcome =
        devid_Identify(&port, &record.modelCode, &record.extModelCode, kReplySeconds);
    record.status.store(outcome, std::memory_order_release);
    urs_ClosePort(&port);
    return outcome;
}
