// The process-wide table behind HANDLE values (ports and threads). Private to this folder.
//
// A HANDLE is an opaque number that the table maps to a shared object. Lookups hand out shared
// ownership, so a handle closed by one thread while another is inside a call on it stays alive
// until that call returns; the number itself is never given out again, so a stale handle fails
// with ERROR_INVALID_HANDLE instead of reaching a newer object.
#pragma once

#include "platform/win32.h"

#include <memory>

namespace platform
{
class HandleObject
{
public:
    virtual ~HandleObject() = default;
};

// Enters `object` into the table; returns its new handle (never NULL nor INVALID_HANDLE_VALUE).
HANDLE RegisterHandle(std::shared_ptr<HandleObject> object);

// Returns the object behind `handle` when it is open and of type T; otherwise nullptr with
// ERROR_INVALID_HANDLE as the last error.
std::shared_ptr<HandleObject> LookupHandleObject(HANDLE handle);
template <class T> std::shared_ptr<T> LookupHandle(HANDLE handle)
{
    auto object = std::dynamic_pointer_cast<T>(LookupHandleObject(handle));
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

// Removes `handle` from the table; returns false (and changes nothing) when it was not open.
// The object is destroyed once the last call still using it has returned.
bool UnregisterHandle(HANDLE handle);
} // namespace platform
