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
};

// "process 812 (minicom)": a process id with the program's name when /proc tells it.
std::string DescribeProcess(long pid);

// Sends the failure's line to the trace (see PortAccess.h), naming `file` and `line`, and keeps
// refusals for lack of permission (EACCES, EPERM) for GetPortPermissionHint.
void ReportOpenFailure(const OpenFailure& failure, const char* file, int line);
} // namespace platform
