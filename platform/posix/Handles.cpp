// The handle table and CloseHandle.
#include "platform/posix/Handles.h"

#include <mutex>
#include <unordered_map>

namespace platform
{
namespace
{
struct HandleTable
{
    std::mutex mutex;
    std::unordered_map<uintptr_t, std::shared_ptr<HandleObject>> objects;
    // Multiples of 4 from 0x100, as Windows hands them out; far from NULL and from -1.
    uintptr_t nextValue = 0x100;
};

// Never destroyed: worker threads that the program leaves running when it ends (the wizard
// neither waits for nor stops them) may still look their port up while exit() runs.
HandleTable& Table()
{
    static HandleTable* const table = new HandleTable;
    return *table;
}
} // namespace

HANDLE RegisterHandle(std::shared_ptr<HandleObject> object)
{
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const uintptr_t value = table.nextValue;
    table.nextValue += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<HandleObject> LookupHandleObject(HANDLE handle)
{
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    return found == table.objects.end() ? nullptr : found->second;
}

bool UnregisterHandle(HANDLE handle)
{
    std::shared_ptr<HandleObject> released;
    HandleTable& table = Table();
    {
        std::lock_guard lock(table.mutex);
        const auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
        if (found == table.objects.end())
            return false;
        released = std::move(found->second);
        table.objects.erase(found);
    }
    // `released` goes out of scope here, outside the lock: closing a port may take a moment and
    // must not hold up every other thread's handle lookups.
    return true;
}
} // namespace platform

BOOL CloseHandle(HANDLE hObject)
{
    if (!platform::UnregisterHandle(hObject))
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
