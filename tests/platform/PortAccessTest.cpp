#include "platform/PortAccess.h"
#include "platform/posix/PortFailures.h"
#include "platform/posix/UucpLock.h"
#include "platform/win32.h"
#include "tests/support/PortHolder.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <mutex>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;
using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::PseudoTerminal;
using testing_support::ReadFile;
using testing_support::RunUnprivileged;
using testing_support::TempFolder;
using testing_support::WriteFile;

namespace
{
std::mutex g_linesMutex;
std::vector<std::string> g_lines;

void CollectLine(const char*, int, const char* text)
{
    std::lock_guard lock(g_linesMutex);
    g_lines.push_back(text);
}

// A COM port folder and a lock folder of the test's own, and the trace lines of its opens.
class PortAccess : public testing::Test
{
protected:
    PortAccess()
    {
        fs::permissions(m_ports.Path(),
                        fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
        fs::permissions(m_ports.Path() / "dosdevices",
                        fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
        SetUucpLockFolderForTesting(m_locks.Path().c_str());
        m_previous = SetPortFailureTrace(CollectLine);
        std::lock_guard lock(g_linesMutex);
        g_lines.clear();
    }
    ~PortAccess() override
    {
        SetPortFailureTrace(m_previous);
        SetUucpLockFolderForTesting(nullptr);
    }

    static HANDLE Open(int number)
    {
        return CreateFileA(ComName(number).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    // The trace line of one failed open of COM`number` (and the Win32 error it gave).
    static std::string FailureOf(int number, DWORD& error)
    {
        {
            std::lock_guard lock(g_linesMutex);
            g_lines.clear();
        }
        const HANDLE port = Open(number);
        error = GetLastError();
        if (port != INVALID_HANDLE_VALUE)
        {
            CloseHandle(port);
            return "(opened)";
        }
        std::lock_guard lock(g_linesMutex);
        return g_lines.size() == 1 ? g_lines[0] : "(" + std::to_string(g_lines.size()) + " lines)";
    }

    std::string Link(int number) const
    {
        return (m_ports.Path() / "dosdevices" / ("com" + std::to_string(number))).string();
    }

    fs::path LockOf(const PseudoTerminal& terminal) const
    {
        return platform::UucpLockPath(terminal.SlavePath());
    }

    ComPortFolder m_ports;
    TempFolder m_locks;
    PortFailureTrace m_previous = nullptr;
};

std::string LockText(pid_t pid)
{
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    return text;
}

// A process id that no process has any more.
pid_t DeadProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST_F(PortAccess, EveryFailedOpen_NamesTheDeviceAndTheSystemsReason)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    m_ports.Link(4, (m_ports.Path() / "gone").string());
    WriteFile(m_ports.Path() / "plain.txt", "not a terminal");
    m_ports.Link(5, (m_ports.Path() / "plain.txt").string());
    m_ports.Link(6, terminal.SlavePath());
    const HANDLE held = Open(1);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    const std::string pts = terminal.SlavePath();
    const std::string lock = LockOf(terminal).string();
    struct Row
    {
        int number;
        DWORD error;
        std::string line;
    };
    const Row rows[] = {
        {2, ERROR_FILE_NOT_FOUND, "<COM2> " + Link(2) + ": No such file or directory"},
        {4, ERROR_FILE_NOT_FOUND,
         "<COM4> " + (m_ports.Path() / "gone").string() + " (" + Link(4) +
             "): No such file or directory"},
        {5, ERROR_FILE_NOT_FOUND,
         "<COM5> " + (m_ports.Path() / "plain.txt").string() + " (" + Link(5) +
             "): Inappropriate ioctl for device (not a terminal)"},
        {6, ERROR_ACCESS_DENIED,
         "<COM6> " + pts + " (" + Link(6) +
             "): Device or resource busy (locked by this program: " + lock + ")"},
    };
    for (const Row& row : rows)
    {
        DWORD error = 0;
        EXPECT_EQ(FailureOf(row.number, error), row.line);
        EXPECT_EQ(error, row.error) << "COM" << row.number;
    }
    CloseHandle(held);

    fs::remove_all(m_ports.Path() / "dosdevices");
    DWORD error = 0;
    EXPECT_EQ(
        FailureOf(99999, error),
        "<COM99999> not in /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*: No such file or directory");
    EXPECT_EQ(GetPortFailureHint(), "") << "root is never refused for lack of permission";
}

TEST_F(PortAccess, PortAnotherProcessHolds_IsBusy_WhicheverWayItHoldsIt)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    const std::string prefix = "<COM1> " + terminal.SlavePath() + " (" + Link(1) + "): ";

    {
        // Another program that takes flock but no lock file (as picocom does by default).
        const testing_support::PortHolder holder(terminal.SlavePath());
        DWORD error = 0;
        EXPECT_EQ(FailureOf(1, error), prefix + "Device or resource busy (held with flock by " +
                                           holder.Described() + ")");
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
        EXPECT_FALSE(fs::exists(LockOf(terminal))) << "the refused open leaves no lock file";
    }

    // A program that only sets exclusive mode keeps out everybody but root.
    const int exclusive = open(terminal.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(exclusive, 0);
    ASSERT_EQ(ioctl(exclusive, TIOCEXCL), 0);
    chmod(terminal.SlavePath().c_str(), 0666);
    const std::string seen = RunUnprivileged([] {
        DWORD code = 0;
        const std::string line = FailureOf(1, code);
        return std::to_string(code) + " " + line;
    });
    close(exclusive);
    if (seen == testing_support::kCannotDropPrivileges)
        GTEST_SKIP() << "needs root to run as an unprivileged user, or a user who is not root";
    EXPECT_EQ(seen, "5 " + prefix + "Device or resource busy");
}

TEST_F(PortAccess, UucpLockOfAnotherProgram_IsHonoured_WhileItsProcessLives)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    const fs::path lock = LockOf(terminal);
    EXPECT_EQ(lock.filename().string().rfind("LCK..pts_", 0), 0u) << lock;
    const pid_t live = getppid();
    int binaryLive = static_cast<int>(live);

    struct Row
    {
        const char* what;
        std::string content;
        int ageSeconds;
        bool opens;
    };
    const Row rows[] = {
        {"live process, text", LockText(live), 0, false},
        {"live process, binary", std::string(reinterpret_cast<char*>(&binaryLive), 4), 600, false},
        {"dead process", LockText(DeadProcess()), 0, true},
        {"no id, being written", "", 0, false},
        {"no id, long abandoned", "junk\n", 600, true},
    };
    for (const Row& row : rows)
    {
        WriteFile(lock, row.content);
        const timeval then[2] = {{time(nullptr) - row.ageSeconds, 0},
                                 {time(nullptr) - row.ageSeconds, 0}};
        utimes(lock.c_str(), then);

        const HANDLE port = Open(1);
        EXPECT_EQ(port != INVALID_HANDLE_VALUE, row.opens) << row.what;
        if (port == INVALID_HANDLE_VALUE)
        {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << row.what;
            EXPECT_EQ(ReadFile(lock), row.content) << row.what << ": a held lock is left alone";
            continue;
        }
        EXPECT_EQ(ReadFile(lock), LockText(getpid())) << row.what << ": the lock is ours now";
        CloseHandle(port);
        EXPECT_FALSE(fs::exists(lock)) << row.what << ": closing releases it";
    }
    std::lock_guard guard(g_linesMutex);
    ASSERT_FALSE(g_lines.empty());
    EXPECT_NE(g_lines[0].find("Device or resource busy (locked by process " + std::to_string(live)),
              std::string::npos)
        << g_lines[0];
}

TEST_F(PortAccess, LastFailureOfAPort_InWordsAndInTheHint_UntilThePortOpens)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    const std::string pts = terminal.SlavePath();
    const std::string lock = LockOf(terminal).string();
    const std::string holder = platform::DescribeProcess(getppid());
    struct Row
    {
        const char* what;
        std::string lockText; // "": no lock file
        int number;
        std::string details;
        std::string hint;
    };
    const Row rows[] = {
        {"no such port", "", 2, "COM2: " + Link(2) + ": No such file or directory", ""},
        {"locked by a live process", LockText(getppid()), 1,
         "COM1: " + pts + " (" + Link(1) + "): Device or resource busy (locked by " + holder +
             ": " + lock + ")",
         pts + " is in use by " + holder},
        {"free again", "", 1, "", ""},
    };
    for (const Row& row : rows)
    {
        if (row.lockText.empty())
            fs::remove(lock);
        else
            WriteFile(lock, row.lockText);
        if (const HANDLE port = Open(row.number); port != INVALID_HANDLE_VALUE)
            CloseHandle(port);
        EXPECT_EQ(GetPortFailureDetails(ComName(row.number).c_str()), row.details) << row.what;
        EXPECT_EQ(GetPortFailureHint(), row.hint) << row.what;
    }
}

// Root's lock in the sticky lock folder: a user may not remove it even when its process is gone.
TEST_F(PortAccess, StaleLockThisUserMayNotRemove_KeepsThePortOut_AndIsNamedToBeRemoved)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to leave a lock that another user may not remove";
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    ASSERT_EQ(chmod(terminal.SlavePath().c_str(), 0666), 0);
    fs::permissions(m_locks.Path(), fs::perms::all | fs::perms::sticky_bit);
    const std::string lock = LockOf(terminal).string();
    WriteFile(lock, LockText(DeadProcess()));

    const std::string seen = RunUnprivileged([] {
        DWORD code = 0;
        FailureOf(1, code);
        return std::to_string(code) + "|" + GetPortFailureDetails(ComName(1).c_str()) + "|" +
               GetPortFailureHint();
    });
    ASSERT_NE(seen, testing_support::kCannotDropPrivileges);
    EXPECT_EQ(seen, "5|COM1: " + terminal.SlavePath() + " (" + Link(1) +
                        "): Device or resource busy (stale lock this user may not remove: " + lock +
                        "); remove it as root|Stale lock " + lock + ": remove it as root");
    EXPECT_TRUE(fs::exists(lock));
}

TEST_F(PortAccess, OpenPort_HoldsItsLockUntilClosed_OrNoneWhereTheFolderIsMissing)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    const fs::path lock = LockOf(terminal);

    const HANDLE port = Open(1);
    ASSERT_NE(port, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadFile(lock), LockText(getpid()));
    EXPECT_EQ(fs::status(lock).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    CloseHandle(port);
    EXPECT_FALSE(fs::exists(lock));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_locks.Path()), fs::directory_iterator()), 0)
        << "no temporary file is left behind";

    const std::string missing = (m_locks.Path() / "missing").string();
    SetUucpLockFolderForTesting(missing.c_str());
    const HANDLE unlocked = Open(1);
    EXPECT_NE(unlocked, INVALID_HANDLE_VALUE) << "no lock folder: the port is used all the same";
    CloseHandle(unlocked);
}

// A program that ended while it wrote a lock leaves its temporary; the next program to take a
// lock in that folder removes it, and only it.
TEST_F(PortAccess, LockTemporariesOfProgramsThatAreGone_AreRemovedByTheNextLock)
{
    PseudoTerminal terminal;
    m_ports.Link(1, terminal.SlavePath());
    const std::string dead = std::to_string(DeadProcess());
    const std::string live = std::to_string(getppid());
    const std::vector<std::string> removed = {"LTMP." + dead + ".0", "LTMP." + dead + ".17"};
    const std::vector<std::string> kept = {"LTMP." + live + ".0", "LTMP." + dead,
                                           "LTMP." + dead + ".x", "LCK..ttyS9"};
    for (const std::string& name : removed)
        WriteFile(m_locks.Path() / name, "");
    for (const std::string& name : kept)
        WriteFile(m_locks.Path() / name, "");

    const HANDLE port = Open(1);
    ASSERT_NE(port, INVALID_HANDLE_VALUE);
    CloseHandle(port);
    for (const std::string& name : removed)
        EXPECT_FALSE(fs::exists(m_locks.Path() / name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(m_locks.Path() / name)) << name;
}

TEST_F(PortAccess, DeviceWithoutPermission_IsNamedWithTheGroupThatGrantsAccess)
{
    const group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || dialout == nullptr)
        GTEST_SKIP() << "needs root (to give a device away) and a dialout group";
    PseudoTerminal first;
    PseudoTerminal second;
    m_ports.Link(1, first.SlavePath());
    m_ports.Link(2, first.SlavePath());
    m_ports.Link(3, second.SlavePath());
    const std::string pts = first.SlavePath();
    for (const PseudoTerminal* terminal : {&first, &second})
        ASSERT_EQ(chown(terminal->SlavePath().c_str(), 0, dialout->gr_gid), 0);

    struct Row
    {
        mode_t mode;
        std::string line;
        std::string remedy;
        std::string hint;
    };
    const Row rows[] = {
        {0660, "Permission denied (owner root, group dialout, mode 0660)", "join group dialout",
         "No access to " + pts + " (+1): join group dialout"},
        {0600, "Permission denied (owner root, group dialout, mode 0600)", "only root may open it",
         "No access to " + pts + " (+1): only root may open it"},
    };
    for (const Row& row : rows)
    {
        for (const PseudoTerminal* terminal : {&first, &second})
            ASSERT_EQ(chmod(terminal->SlavePath().c_str(), row.mode), 0);
        const std::string seen = RunUnprivileged([] {
            const std::string before = GetPortFailureHint();
            DWORD code = 0;
            FailureOf(3, code);
            const std::string line = FailureOf(1, code);
            FailureOf(2, code);
            return before + "|" + std::to_string(code) + "|" + line + "|" + GetPortFailureHint() +
                   "|" + GetPortFailureDetails(ComName(1).c_str());
        });
        ASSERT_NE(seen, testing_support::kCannotDropPrivileges);
        EXPECT_EQ(seen, "|5|<COM1> " + pts + " (" + Link(1) + "): " + row.line + "|" + row.hint +
                            "|COM1: " + pts + " (" + Link(1) + "): " + row.line + "; " + row.remedy)
            << "the first device by port number, and each device counted once";
    }
}
