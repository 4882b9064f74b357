// Why COM ports failed to open: the trace line for each failure, and the permission hint.
#include "platform/posix/PortFailures.h"
#include "platform/PortAccess.h"
#include "platform/posix/Lasting.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <map>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
enum class Remedy
{
    JoinGroup,  // the device's group may read and write it; the user is not in that group
    LogInAgain, // ... the user was added to it, but this login session predates that
    OwnerOnly,  // no group may write it: only its owner (and root) can
    Unknown,    // the mode would let us in: something else refuses (an ACL, a security module)
};

struct Refusal
{
    int comNumber;
    Remedy remedy;
    std::string group;
    std::string owner;
};

std::atomic<PortFailureTrace> g_trace{nullptr};
struct Refusals
{
    std::mutex mutex;
    std::map<std::string, Refusal> byDevice; // guarded by the mutex
};

std::string UserName(uid_t uid)
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid);
}

std::string GroupName(gid_t gid)
{
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(65536);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(gid);
}

bool ProcessHasGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    const int got = getgroups(static_cast<int>(groups.size()), groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// Whether the group database lists the user in `gid`: true for a user who was added to the group
// after logging in.
bool UserIsListedIn(gid_t gid)
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    int count = 64;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    if (getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0)
    {
        groups.resize(static_cast<size_t>(count));
        if (getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0)
            return false;
    }
    return std::find(groups.begin(), groups.begin() + count, gid) != groups.begin() + count;
}

Refusal RefusalOf(const std::string& device, int comNumber)
{
    Refusal refusal{comNumber, Remedy::Unknown, "", ""};
    struct stat info
    {
    };
    if (stat(device.c_str(), &info) != 0)
        return refusal;
    refusal.group = GroupName(info.st_gid);
    refusal.owner = UserName(info.st_uid);
    const bool groupMayUse = (info.st_mode & S_IRGRP) != 0 && (info.st_mode & S_IWGRP) != 0;
    if (!groupMayUse)
        refusal.remedy = Remedy::OwnerOnly;
    else if (!ProcessHasGroup(info.st_gid))
        refusal.remedy = UserIsListedIn(info.st_gid) ? Remedy::LogInAgain : Remedy::JoinGroup;
    return refusal;
}

// "(owner root, group dialout, mode 0660)" for a device that exists, else "".
std::string OwnershipOf(const std::string& device)
{
    struct stat info
    {
    };
    if (device.empty() || stat(device.c_str(), &info) != 0)
        return "";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
    return "(owner " + UserName(info.st_uid) + ", group " + GroupName(info.st_gid) + ", mode " +
           mode + ")";
}

bool IsPermissionError(int error)
{
    return error == EACCES || error == EPERM;
}

std::string FailureLine(const platform::OpenFailure& failure)
{
    std::string line = "<COM" + std::to_string(failure.comNumber) + "> ";
    if (failure.device.empty() && failure.path.empty())
        line += "not in /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*";
    else if (failure.device.empty() || failure.device == failure.path)
        line += failure.path.empty() ? failure.device : failure.path;
    else
        line += failure.device + " (" + failure.path + ")";
    line += std::string(": ") + std::strerror(failure.error);
    std::string detail = failure.detail;
    if (detail.empty() && IsPermissionError(failure.error))
        detail = OwnershipOf(failure.device);
    if (!detail.empty())
        line += " " + detail;
    return line;
}
} // namespace

namespace platform
{
std::string DescribeProcess(long pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return "process " + std::to_string(pid) + (name.empty() ? "" : " (" + name + ")");
}

void ReportOpenFailure(const OpenFailure& failure, const char* file, int line)
{
    if (IsPermissionError(failure.error) && !failure.device.empty())
    {
        Refusal refusal = RefusalOf(failure.device, failure.comNumber);
        Refusals& refusals = platform::Lasting<Refusals>();
        std::lock_guard lock(refusals.mutex);
        auto [entry, added] = refusals.byDevice.emplace(failure.device, refusal);
        if (!added && failure.comNumber < entry->second.comNumber)
            entry->second = refusal;
    }
    if (const PortFailureTrace trace = g_trace.load(std::memory_order_acquire))
        trace(file, line, FailureLine(failure).c_str());
}
} // namespace platform

PortFailureTrace SetPortFailureTrace(PortFailureTrace trace)
{
    return g_trace.exchange(trace, std::memory_order_acq_rel);
}

std::string GetPortPermissionHint()
{
    Refusals& refusals = platform::Lasting<Refusals>();
    std::lock_guard lock(refusals.mutex);
    if (refusals.byDevice.empty())
        return "";
    const auto first = std::min_element(
        refusals.byDevice.begin(), refusals.byDevice.end(),
        [](const auto& a, const auto& b) { return a.second.comNumber < b.second.comNumber; });
    // Short enough for the one line the search page has for it.
    std::string hint = "No access to " + first->first;
    if (refusals.byDevice.size() > 1)
        hint += " (+" + std::to_string(refusals.byDevice.size() - 1) + ")";
    const Refusal& refusal = first->second;
    switch (refusal.remedy)
    {
    case Remedy::JoinGroup:
        return hint + ": join group " + refusal.group;
    case Remedy::LogInAgain:
        return hint + ": log in again (group " + refusal.group + ")";
    case Remedy::OwnerOnly:
        return hint + ": only " + refusal.owner + " may open it";
    case Remedy::Unknown:
        break;
    }
    return hint;
}
