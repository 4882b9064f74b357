// Why COM ports failed to open: the trace line for each failure, each port's last failure in
// words, and the hint for a user who found no adapter.
#include "platform/posix/PortFailures.h"
#include "platform/PortAccess.h"
#include "platform/posix/ComPortNames.h"
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
#include <set>
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
    Remedy remedy;
    std::string group;
    std::string owner;
};

// What the hint weighs a failure by, the most useful to a user first.
enum class Weight
{
    Permission, // the user may not open the device
    Busy,       // another program holds it
    StaleLock,  // a lock whose process is gone stays, as this user may not remove it
    Other,      // missing, not a serial port, ...: not for the hint
};

struct KeptFailure
{
    platform::OpenFailure failure;
    Refusal refusal; // for Weight::Permission
};

std::atomic<PortFailureTrace> g_trace{nullptr};
struct Failures
{
    std::mutex mutex;
    std::map<int, KeptFailure> byPort; // each port's last failure; guarded by the mutex
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

Refusal RefusalOf(const std::string& device)
{
    Refusal refusal{Remedy::Unknown, "", ""};
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

Weight WeightOf(const platform::OpenFailure& failure)
{
    if (!failure.staleLock.empty())
        return Weight::StaleLock;
    if (IsPermissionError(failure.error))
        return Weight::Permission;
    // A port this program holds already is no news to its user.
    return failure.error == EBUSY && !failure.heldHere ? Weight::Busy : Weight::Other;
}

// What would let the user open the port, in words; "" when there is nothing to say.
std::string RemedyOf(const KeptFailure& kept)
{
    if (WeightOf(kept.failure) == Weight::StaleLock)
        return "remove it as root";
    if (WeightOf(kept.failure) != Weight::Permission)
        return "";
    switch (kept.refusal.remedy)
    {
    case Remedy::JoinGroup:
        return "join group " + kept.refusal.group;
    case Remedy::LogInAgain:
        return "log in again (group " + kept.refusal.group + ")";
    case Remedy::OwnerOnly:
        return "only " + kept.refusal.owner + " may open it";
    case Remedy::Unknown:
        break;
    }
    return "";
}

// The device, the way there and the system's reason, as the trace and the details give them.
std::string Description(const platform::OpenFailure& failure)
{
    std::string line;
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

std::string TraceLine(const platform::OpenFailure& failure)
{
    return "<COM" + std::to_string(failure.comNumber) + "> " + Description(failure);
}

// The hint's line for `kept`, with " (+N)" for `more` devices after its subject.
std::string HintLine(const KeptFailure& kept, size_t more)
{
    const std::string count = more > 0 ? " (+" + std::to_string(more) + ")" : "";
    const std::string remedy = RemedyOf(kept);
    const platform::OpenFailure& failure = kept.failure;
    switch (WeightOf(failure))
    {
    case Weight::Permission:
        return "No access to " + failure.device + count + (remedy.empty() ? "" : ": " + remedy);
    case Weight::Busy:
        return failure.device + count + " is in use by " +
               (failure.holder.empty() ? "another program" : failure.holder);
    case Weight::StaleLock:
        return "Stale lock " + failure.staleLock + count + ": " + remedy;
    case Weight::Other:
        break;
    }
    return "";
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
    KeptFailure kept{failure, {Remedy::Unknown, "", ""}};
    if (WeightOf(failure) == Weight::Permission && !failure.device.empty())
        kept.refusal = RefusalOf(failure.device);
    {
        Failures& failures = platform::Lasting<Failures>();
        std::lock_guard lock(failures.mutex);
        failures.byPort.insert_or_assign(failure.comNumber, std::move(kept));
    }
    if (const PortFailureTrace trace = g_trace.load(std::memory_order_acquire))
        trace(file, line, TraceLine(failure).c_str());
}

void ForgetOpenFailure(int comNumber)
{
    Failures& failures = platform::Lasting<Failures>();
    std::lock_guard lock(failures.mutex);
    failures.byPort.erase(comNumber);
}
} // namespace platform

PortFailureTrace SetPortFailureTrace(PortFailureTrace trace)
{
    return g_trace.exchange(trace, std::memory_order_acq_rel);
}

std::string GetPortFailureDetails(const char* portName)
{
    const int number = platform::ComPortNumber(portName);
    Failures& failures = platform::Lasting<Failures>();
    std::lock_guard lock(failures.mutex);
    const auto found = failures.byPort.find(number);
    if (number == 0 || found == failures.byPort.end())
        return "";
    const std::string remedy = RemedyOf(found->second);
    return "COM" + std::to_string(number) + ": " + Description(found->second.failure) +
           (remedy.empty() ? "" : "; " + remedy);
}

std::string GetPortFailureHint()
{
    Failures& failures = platform::Lasting<Failures>();
    std::lock_guard lock(failures.mutex);
    const KeptFailure* first = nullptr;
    for (const auto& [number, kept] : failures.byPort)
    {
        const Weight weight = WeightOf(kept.failure);
        if (weight != Weight::Other && !kept.failure.device.empty() &&
            (first == nullptr || weight < WeightOf(first->failure)))
            first = &kept;
    }
    if (first == nullptr)
        return "";
    // "(+n)" counts the other devices refused for the same reason; several ports may lead to
    // one device, which counts once.
    std::set<std::string> devices;
    for (const auto& [number, kept] : failures.byPort)
    {
        if (WeightOf(kept.failure) == WeightOf(first->failure) && !kept.failure.device.empty())
            devices.insert(kept.failure.device);
    }
    return HintLine(*first, devices.size() - 1);
}
