// A batch of profile writes that reaches the file as one replacement: saving a whole
// configuration leaves the file wholly old or wholly new, whenever the program stops.
//
// While a batch is open on a thread, that thread's WritePrivateProfileStringA calls for the
// batch's file (the same file name text) are checked as usual (FALSE with
// ERROR_INVALID_PARAMETER for what could not be written) and collected instead of written:
// they return TRUE. Commit applies them in call order to the file as it is then, under the
// profile's lock, with one write and one rename, so the file ends exactly as the same calls made
// one by one would leave it. Reads during the batch see the file without the collected writes.
// Writes of other threads, and to other files, go straight to their files. A batch opened
// inside another one on the same thread collects its own file's writes until it ends.
#pragma once

#include "platform/win32.h"

#include <memory>

namespace platform
{
class ProfileBatch
{
public:
    explicit ProfileBatch(LPCSTR lpFileName);
    // A batch that was not committed is dropped: the file stays as it was.
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Ends the batch and writes what it collected. TRUE when the file holds every collected
    // write (or needed none); FALSE with the file untouched and the reason in GetLastError, as
    // for WritePrivateProfileStringA. Writes after Commit go straight to the file.
    BOOL Commit();

    struct Pending;

private:
    std::unique_ptr<Pending> m_pending;
};
} // namespace platform
