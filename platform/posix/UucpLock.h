// UUCP lock files: the way minicom, picocom, cu and other serial programs tell one another that
// a port is taken. Private to this folder: CreateFileA takes one for every port it opens.
//
// The lock of /dev/ttyS0 is the file LCK..ttyS0 in the lock folder (/run/lock, or /var/lock
// where /run/lock does not exist); a device below /dev in a folder of its own (/dev/pts/3) has
// the slashes of its name turned into underscores (LCK..pts_3). The file holds the owner's
// process id as ten characters and a line feed (an old four-byte binary id is read too).
// A lock of a live process means the port is in use; a lock whose process is gone, or a file
// without an id that is older than a few seconds, is stale and is removed; one this user may not
// remove (root's, in a lock folder with the sticky bit) keeps the port out of use all the same. A
// lock this process holds counts as in use too (another open of the same port).
//
// Locks are advisory and cooperative: a program that ignores them is kept out by flock and
// exclusive mode (CommOpen.cpp) instead. Where the lock folder cannot be written (or does not
// exist) no lock is taken and the port is used all the same, as the other programs do.
#pragma once

#include <string>

namespace platform
{
// Who keeps a port's lock file, when UucpLock::Take refuses the port.
struct LockHolder
{
    std::string who;    // "process 812 (minicom)", "this program", "another program", ...
    std::string path;   // the lock file
    bool stale = false; // its process is gone, but this user may not remove the file
    bool here = false;  // this program holds it (the port is open here already)
};

class UucpLock
{
public:
    UucpLock() = default;
    ~UucpLock() { Release(); }
    UucpLock(UucpLock&& other) noexcept;
    UucpLock& operator=(UucpLock&& other) noexcept;
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // Takes the lock of `device` (the device's real path, /dev/ttyUSB0). Returns true when the
    // port may be used: the lock is now this object's, or the lock folder cannot be written and
    // nothing is held. Returns false, holding nothing, when a live process holds the lock, or
    // when a stale lock stays because this user may not remove it (a lock of root's in the
    // sticky lock folder); `holder` then says which.
    bool Take(const std::string& device, LockHolder& holder);

    // Removes the lock file if this object holds it and it still carries this process's id.
    void Release();

private:
    std::string m_path; // the lock file held; "" for none
};

// The lock file's path for `device` in the lock folder now in force.
std::string UucpLockPath(const std::string& device);
} // namespace platform

// Test hook: makes `folder` the lock folder (so that tests do not touch the system's); nullptr
// restores the default. Takes effect for the next lock taken.
void SetUucpLockFolderForTesting(const char* folder);
