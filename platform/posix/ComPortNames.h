// Where a COM port name leads: "\\.\COMn" to a device path. Part of the platform layer; tests
// and tools include it for the two hooks at the end.
//
// A folder `dosdevices` beside the executable, when it exists, is the whole truth (as Wine users
// know it): `dosdevices/comN` (lower case) is a symbolic link to the device, and a missing link is
// a missing port. Without that folder the ports are numbered the way Wine does by default:
// /dev/ttyS0, /dev/ttyS1, ..., then /dev/ttyUSB0, ..., then /dev/ttyACM0, ..., each list up to its
// first missing number, as COM1, COM2, ... in that order.
#pragma once

#include <string>

namespace platform
{
// The port number of "\\.\COMn" (n >= 1, "COM" in any letter case, decimal digits without a
// leading zero); 0 for any other name.
int ComPortNumber(const char* name);

// The path to open for COM`number`: the link dosdevices/comN when that folder exists (whether or
// not the link does; opening a missing one fails), else the default numbering's device; "" when
// the default numbering has no such port. Opens nothing.
std::string ResolveComPort(int number);

// The default numbering over the device folder `deviceFolder` (normally "/dev"): the path of
// COM`number`, or "" when the lists hold fewer ports.
std::string DefaultComPortPath(int number, const std::string& deviceFolder);
} // namespace platform

// Test hook: makes `folder` stand in for the executable's folder when looking for `dosdevices`
// (so that parallel test suites each use a temporary folder of their own); nullptr restores the
// executable's folder. Safe to call from any thread; takes effect for the next open.
void SetComPortFolderForTesting(const char* folder);
