// The record of COM ports that failed to open, behind platform/PortAccess.h. Private to this
// folder: CreateFileA reports here.
#pragma once

#include <string>

namespace platform
{
struct OpenFailure
{
    int comNumber = 0;
    std::string path;   // what the port resolved to (a dosdevices link or a /dev node); "" for none
    std::string device; // the device behind `path` (the link's target); "" when there is none
    int error = 0;      // errno of the refusal
    std::string detail; // more about it, in words ("locked by process 812 (minicom): ...")
    std::string holder; // who keeps the port busy ("process 812 (minicom)"); "" when not known
    std::string staleLock; // a stale lock file this user may not remove; "" for none
    bool heldHere = false; // the port is open in this program already
};

// "process 812 (minicom)": a process id with the program's name when /proc tells it.
std::string DescribeProcess(long pid);

// Sends the failure's line to the trace (see PortAccess.h), naming `file` and `line`, and keeps
// it as the port's last failure for GetPortFailureDetails and GetPortFailureHint.
void ReportOpenFailure(const OpenFailure& failure, const char* file, int line);

// The port opened: its last failure is forgotten.
void ForgetOpenFailure(int comNumber);
} // namespace platform
