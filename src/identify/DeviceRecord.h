// One adapter and one worker's work on it: the port, the identification outcome and the command
// lines to download. A worker thread writes only `status`, `modelCode`, `extModelCode` and, last
// of all, `result`; `status` and `result` are stored with release order and read with acquire
// order, so a reader that sees a final `result` (or `status` 0 after the probe) also sees the
// model codes written before it.
#pragma once

#include "platform/win32.h"

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

struct DeviceRecord
{
    char portPath[32] = {};      // "\\.\COMn"
    std::atomic<int> result{-1}; // -1 while a worker works on the record
    HANDLE hThread = nullptr;
    // -1 until a worker writes it: a search worker's identification status; during a download,
    // the number of lines the adapter has acknowledged.
    std::atomic<int> status{-1};
    int modelCode = 0;
    int extModelCode = 0;
    std::vector<std::string> cmdLines;

    DeviceRecord() = default;
    DeviceRecord(const DeviceRecord&) = delete;

    // Makes this record describe the same adapter as `other`: copies portPath, result, hThread,
    // status, modelCode and extModelCode; this record's cmdLines stay as they are. `other` must
    // not be written by a worker meanwhile (its result is no longer -1, or it has none).
    DeviceRecord& operator=(const DeviceRecord& other)
    {
        if (this == &other)
            return *this;
        std::memcpy(portPath, other.portPath, sizeof portPath);
        const int otherResult = other.result.load(std::memory_order_acquire);
        const int otherStatus = other.status.load(std::memory_order_acquire);
        hThread = other.hThread;
        modelCode = other.modelCode;
        extModelCode = other.extModelCode;
        status.store(otherStatus, std::memory_order_release);
        result.store(otherResult, std::memory_order_release);
        return *this;
    }
};
