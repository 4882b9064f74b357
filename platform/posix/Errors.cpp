// System message texts and the errno translation.
#include "platform/posix/Errors.h"

#include <cerrno>
#include <cstring>

namespace platform
{
DWORD Win32ErrorFromErrno(int error)
{
    switch (error)
    {
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EBUSY:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EIO:
    case ENXIO:
    case ENODEV:
    case EPIPE:
        return ERROR_GEN_FAILURE;
    case ENOTTY:
    case ENOSYS:
    case EOPNOTSUPP:
        return ERROR_NOT_SUPPORTED;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    default:
        return ERROR_IO_DEVICE;
    }
}

BOOL FailWithErrno(int error)
{
    SetLastError(Win32ErrorFromErrno(error));
    return FALSE;
}

BOOL FailWith(DWORD code)
{
    SetLastError(code);
    return FALSE;
}
} // namespace platform

namespace
{
struct SystemMessage
{
    DWORD code;
    const char* text;
};

// The English texts of the Windows system message table for every code this layer reports.
// clang-format off
constexpr SystemMessage kSystemMessages[] = {
    {ERROR_SUCCESS,             "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND,      "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND,      "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED,       "Access is denied."},
    {ERROR_INVALID_HANDLE,      "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY,   "Not enough memory resources are available to process this command."},
    {ERROR_WRITE_FAULT,         "The system cannot write to the specified device."},
    {ERROR_READ_FAULT,          "The system cannot read from the specified device."},
    {ERROR_GEN_FAILURE,         "A device attached to the system is not functioning."},
    {ERROR_SHARING_VIOLATION,   "The process cannot access the file because it is being used by another process."},
    {ERROR_NOT_SUPPORTED,       "The request is not supported."},
    {ERROR_INVALID_PARAMETER,   "The parameter is incorrect."},
    {ERROR_SEM_TIMEOUT,         "The semaphore timeout period has expired."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_MORE_DATA,           "More data is available."},
    {ERROR_OPERATION_ABORTED,   "The I/O operation has been aborted because of either a thread exit or an application request."},
    {ERROR_IO_DEVICE,           "The request could not be performed because of an I/O device error."},
};
// clang-format on

constexpr DWORD kSupportedFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
} // namespace

// Only English texts exist here, so the language id is not consulted.
DWORD FormatMessageA(DWORD dwFlags, LPCVOID, DWORD dwMessageId, DWORD, LPSTR lpBuffer, DWORD nSize,
                     void*)
{
    if ((dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || (dwFlags & ~kSupportedFlags) != 0 ||
        lpBuffer == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (const SystemMessage& message : kSystemMessages)
    {
        if (message.code != dwMessageId)
            continue;
        const size_t length = std::strlen(message.text) + 2;
        if (length + 1 > nSize)
        {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::memcpy(lpBuffer, message.text, length - 2);
        std::memcpy(lpBuffer + length - 2, "\r\n", 3);
        return static_cast<DWORD>(length);
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
}
