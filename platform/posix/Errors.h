// Translation of POSIX errno values into Win32 error codes. Private to this folder.
#pragma once

#include "platform/win32.h"

namespace platform
{
// The Win32 code for a failed system call on a device or file:
//   ENOENT, ENOTDIR, ELOOP, ENAMETOOLONG          -> ERROR_FILE_NOT_FOUND (2)
//   EACCES, EPERM, EBUSY                           -> ERROR_ACCESS_DENIED (5)
//   EBADF                                          -> ERROR_INVALID_HANDLE (6)
//   ENOMEM                                         -> ERROR_NOT_ENOUGH_MEMORY (8)
//   EIO, ENXIO, ENODEV, EPIPE (the device is gone) -> ERROR_GEN_FAILURE (31)
//   ENOTTY, ENOSYS, EOPNOTSUPP                      -> ERROR_NOT_SUPPORTED (50)
//   EINVAL                                         -> ERROR_INVALID_PARAMETER (87)
//   anything else                                  -> ERROR_IO_DEVICE (1117)
DWORD Win32ErrorFromErrno(int error);

// SetLastError(Win32ErrorFromErrno(error)); returns FALSE so that callers can `return` it.
BOOL FailWithErrno(int error);
// SetLastError(code); returns FALSE.
BOOL FailWith(DWORD code);
} // namespace platform
