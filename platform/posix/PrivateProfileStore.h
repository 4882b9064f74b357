// The profile file on disk: reading it, the lock that makes each write one read-change-replace
// step, and the replacement itself. Private to this folder.
//
// Writers (threads of this process and other processes alike) take an exclusive flock() on the
// profile file itself, so that no extra file lives beside it. A replacement is a rename, so a
// writer that waited may find it holds the lock of a file that is no longer the profile; it
// then locks the new one. Readers take no lock: they see the old file or the new one, whole.
//
// A replacement, as an editor saves:
// - a symbolic link is followed to its target (also a dangling one, whose target is created), so
//   the link stays a link;
// - the new file gets the old one's mode and, where the process may (root may; others only
//   their own groups), its owner and group; otherwise it belongs to the user who saved;
// - a file without any write permission bit is read-only for every user, root included;
// - a file with several hard links is not changed in place: the name saved to gets the new file
//   and the other names keep the content from before, as a rename cannot change a file that
//   other names share.
// The new content is written to an unnamed temporary file in the profile's folder and given a
// name only when complete and flushed, right before the rename; a writer killed between those
// two steps leaves "<profile>.new-<pid>-<n>", which the next writer removes once that process
// is gone.
#pragma once

#include "platform/win32.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

namespace platform::profile
{
// The whole content of the file at `path`, read without a lock. Returns ERROR_SUCCESS, or the
// reason it cannot be read with `text` empty: ERROR_FILE_NOT_FOUND (no such file or folder),
// ERROR_ACCESS_DENIED (no permission, or not a regular file), ERROR_NOT_ENOUGH_MEMORY (over
// 64 MiB) or ERROR_READ_FAULT.
DWORD ReadProfile(const char* path, std::string& text);

// The file that a write to `path` changes: `path` with every symbolic link at its end followed,
// also to a target that does not exist yet. ERROR_FILE_NOT_FOUND for a loop of links.
DWORD SaveTarget(const char* path, std::string& target);

// The profile locked for one write, with its content as it was when the lock was taken.
class LockedProfile
{
public:
    LockedProfile() = default;
    // Unlocks. A file that Lock made and that was not replaced since is removed again, so that
    // a failed first write leaves no file.
    ~LockedProfile();
    LockedProfile(const LockedProfile&) = delete;
    LockedProfile& operator=(const LockedProfile&) = delete;

    // Waits for the lock of `target` and reads it. A missing file is made (empty) when `create`
    // is true, so that there is something to lock; otherwise the result is ERROR_FILE_NOT_FOUND
    // and nothing is locked. Other failures are those of ReadProfile, and ERROR_PATH_NOT_FOUND
    // or ERROR_ACCESS_DENIED when the file cannot be made.
    DWORD Lock(const std::string& target, bool create);

    const std::string& Text() const { return m_text; }

    // Replaces the locked file with `text` as described at the top. Returns ERROR_SUCCESS, or
    // the reason with the file untouched and no temporary left: ERROR_ACCESS_DENIED (read-only
    // file, or folder not writable), ERROR_PATH_NOT_FOUND or ERROR_WRITE_FAULT (disk full).
    DWORD Replace(std::string_view text);

private:
    int m_fd = -1;
    std::string m_target;
    std::string m_text;
    struct stat m_status = {};
    bool m_created = false; // the file is the empty one Lock made
};
} // namespace platform::profile
