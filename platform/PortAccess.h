// What Linux knows about a COM port that would not open, beyond the Win32 error code: which
// device is behind the port and why the system refused it. Windows has nothing like it, so these
// are not Win32 calls; the rest of the platform layer stays in platform/win32.h.
#pragma once

#include <string>

// Receives one line for every "\\.\COMn" that CreateFileA fails to open: the port, the device
// behind it (and the dosdevices link that led there) and the system's reason, for example
//     <COM3> /dev/ttyUSB0: Permission denied (owner root, group dialout, mode 0660)
//     <COM1> /dev/ttyS0: Device or resource busy (locked by process 812 (minicom): LCKFILE)
//     <COM2> /dev/ttyUSB1: Device or resource busy (held with flock by process 901 (picocom))
//     <COM4> /dev/ttyUSB3 (/opt/q/dosdevices/com4): No such file or directory
// where LCKFILE is the UUCP lock file's path, /run/lock/LCK..ttyS0.
// `file` and `line` name the statement that found the failure. It is called on the thread that
// tried to open the port, so it must be safe to call from several threads at once.
using PortFailureTrace = void (*)(const char* file, int line, const char* text);

// Installs the receiver (nullptr, the default, drops the lines); returns the previous one.
PortFailureTrace SetPortFailureTrace(PortFailureTrace trace);

// The last failure to open `portName` ("\\.\COM3") since it last opened, in words: the port,
// the device behind it, the system's reason and what would help, for example
//   COM3: /dev/ttyUSB0: Permission denied (owner root, group dialout, mode 0660); join group
//   dialout
//   COM1: /dev/ttyS0: Device or resource busy (locked by process 812 (minicom): LCKFILE)
// "" when the port has not failed to open, or opened since. Safe to call from any thread.
std::string GetPortFailureDetails(const char* portName);

// One line for a user who found no adapter, about the ports that failed to open for a reason the
// user can do something about: the first such device by the reason's weight (no permission, in
// use by another program, a stale lock this user may not remove) and port number, how many more
// devices failed for that same reason, and what would help, short enough for one line of a page:
//   No access to /dev/ttyUSB0: join group dialout
//   No access to /dev/ttyS0 (+3): log in again (group dialout)     (added to it since login)
//   No access to /dev/ttyS4: only root may open it
//   /dev/ttyS0 is in use by process 812 (minicom)
//   Stale lock /run/lock/LCK..ttyS0: remove it as root
// "" when no port failed for such a reason. Safe to call from any thread.
std::string GetPortFailureHint();
