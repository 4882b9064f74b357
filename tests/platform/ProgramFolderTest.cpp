#include "platform/posix/ProgramFolder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::RunUnprivileged;
using testing_support::TempFolder;
using testing_support::WriteFile;

namespace
{
const char kShipped[] = "[Default Configs]\nConfig1=Euro\n\n[Euro]\nNetworkSwitchType=NET3\n";

// An installed layout under `root`: usr/bin/ and usr/share/quoran-wizard/quoran.ini.
fs::path Install(const fs::path& root)
{
    fs::create_directories(root / "usr/bin");
    WriteFile(root / "usr/share/quoran-wizard/quoran.ini", kShipped);
    return root / "usr/bin";
}
} // namespace

TEST(ProgramFolder, UserFolder_FollowsXdgConfigHome_ThenHome)
{
    struct Row
    {
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const Row rows[] = {
        {"/cfg", "/home/ann", "/cfg/quoran-wizard"},
        {"relative/cfg", "/home/ann", "/home/ann/.config/quoran-wizard"},
        {"", "/home/ann", "/home/ann/.config/quoran-wizard"},
        {nullptr, "/home/ann", "/home/ann/.config/quoran-wizard"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::UserProgramFolder(row.xdg, row.home), row.expected)
            << (row.xdg ? row.xdg : "(unset)") << " " << (row.home ? row.home : "(unset)");
}

TEST(ProgramFolder, WritableFolderWithoutShippedData_StaysTheAnswer_AndNothingIsCreated)
{
    TempFolder scratch;
    const fs::path bin = scratch.Path() / "build/bin";
    fs::create_directories(bin);
    const fs::path user = scratch.Path() / "config/quoran-wizard";

    EXPECT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder, bin.string());
    EXPECT_FALSE(fs::exists(scratch.Path() / "config"));
}

TEST(ProgramFolder, InstalledProgram_UsesTheUserFolder_SeededOnceAndNeverOverwritten)
{
    TempFolder scratch;
    const fs::path bin = Install(scratch.Path());
    const fs::path user = scratch.Path() / "home/.config/quoran-wizard";

    ASSERT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder, user.string());
    EXPECT_EQ(ReadFile(user / "quoran.ini"), kShipped);
    EXPECT_EQ(fs::status(user).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(scratch.Path() / "home/.config").permissions() & fs::perms::all,
              fs::perms::owner_all);

    WriteFile(user / "quoran.ini", "[Mine]\n");
    EXPECT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder, user.string());
    EXPECT_EQ(ReadFile(user / "quoran.ini"), "[Mine]\n") << "the user's file is never replaced";

    fs::remove(user / "quoran.ini");
    fs::create_directories(user / "dosdevices");
    EXPECT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder, user.string());
    EXPECT_EQ(ReadFile(user / "quoran.ini"), kShipped) << "a folder without a profile is seeded";

    for (const auto& entry : fs::directory_iterator(user))
        EXPECT_TRUE(entry.path().filename() == "quoran.ini" ||
                    entry.path().filename() == "dosdevices")
            << "left behind: " << entry.path();
}

// A first start killed while it copied the profile leaves its copy; the next start removes it
// (and copies of its own or of starts still running stay theirs).
TEST(ProgramFolder, SeedCopiesOfStartsThatAreGone_AreRemovedByTheNextStart)
{
    TempFolder root;
    const fs::path bin = Install(root.Path());
    const fs::path user = root.Path() / "home/.config/quoran-wizard";
    fs::create_directories(user);
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const fs::path left = user / (".quoran.ini.seed-" + std::to_string(gone) + "-0");
    const fs::path running = user / (".quoran.ini.seed-" + std::to_string(getppid()) + "-0");
    WriteFile(left, "[Def");
    WriteFile(running, "[Def");

    ASSERT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder, user.string());
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_EQ(ReadFile(user / "quoran.ini"), kShipped);
}

TEST(ProgramFolder, ManyStartsAtOnce_SeedOneWholeProfile)
{
    TempFolder scratch;
    const fs::path bin = Install(scratch.Path());
    const fs::path user = scratch.Path() / "config/quoran-wizard";
    std::vector<std::thread> starts;
    for (int i = 0; i < 8; ++i)
        starts.emplace_back([&] {
            EXPECT_EQ(platform::ChooseProgramFolder(bin.string(), user.string()).folder,
                      user.string());
        });
    for (auto& start : starts)
        start.join();
    EXPECT_EQ(ReadFile(user / "quoran.ini"), kShipped);
    EXPECT_EQ(std::distance(fs::directory_iterator(user), fs::directory_iterator()), 1);
}

// Without a user folder that can hold the profile, the configurations that can be read are
// shown (the profile beside the program, else the shipped one) and the problem is said in words.
TEST(ProgramFolder, UserFolderThatCannotHoldTheProfile_IsNamedWithItsReason)
{
    TempFolder scratch;
    const fs::path bin = Install(scratch.Path());
    WriteFile(scratch.Path() / "blocked", "a file where a folder should be");
    const fs::path shipped = scratch.Path() / "usr/share/quoran-wizard";
    const struct
    {
        std::string user;
        bool profileBesideProgram;
        std::string folder;
        std::string reason;
        std::string shown;
    } rows[] = {
        {(scratch.Path() / "blocked/quoran-wizard").string(), false, shipped.string(),
         "blocked/quoran-wizard cannot be made (Not a directory)", shipped.string()},
        {"", false, shipped.string(), "neither XDG_CONFIG_HOME nor HOME names a folder",
         shipped.string()},
        {"", true, bin.string(), "neither XDG_CONFIG_HOME nor HOME names a folder", bin.string()},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.user + (row.profileBesideProgram ? " beside" : ""));
        fs::remove(bin / "quoran.ini");
        if (row.profileBesideProgram)
            WriteFile(bin / "quoran.ini", "[Mine]\n");
        const platform::ProgramFolderChoice choice =
            platform::ChooseProgramFolder(bin.string(), row.user);
        EXPECT_EQ(choice.folder, row.folder);
        EXPECT_NE(choice.problem.find(row.reason), std::string::npos) << choice.problem;
        EXPECT_NE(choice.problem.find("The configurations of " + row.shown +
                                      "/quoran.ini are shown, but none can be saved."),
                  std::string::npos)
            << choice.problem;
    }
}

// A copy of the program on a medium it may not write, with its own profile beside it: the user's
// folder starts from that profile rather than from the shipped one.
TEST(ProgramFolder, ProgramOnAReadOnlyMedium_SeedsTheUserFolderFromTheProfileBesideIt)
{
    TempFolder scratch;
    const fs::path bin = scratch.Path() / "medium";
    fs::create_directories(bin);
    WriteFile(bin / "quoran.ini", "[Mine]\nRingsToAnswer=3\n");
    const fs::path config = scratch.Path() / "config";
    fs::create_directories(config);
    testing_support::HandToUnprivilegedUser(config);
    fs::permissions(bin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const fs::path user = config / "quoran-wizard";
    const std::string answer = RunUnprivileged(
        [&] { return platform::ChooseProgramFolder(bin.string(), user.string()).folder; });
    if (answer == testing_support::kCannotDropPrivileges)
        GTEST_SKIP() << "needs root to run as an unprivileged user, or a user who is not root";
    EXPECT_EQ(answer, user.string());
    EXPECT_EQ(ReadFile(user / "quoran.ini"), "[Mine]\nRingsToAnswer=3\n");
}

TEST(ProgramFolder, Log_StaysInTheWorkingFolderOfAProgramOfItsOwn_ElseGoesToTheStateFolder)
{
    TempFolder scratch;
    const fs::path own = scratch.Path() / "own";
    fs::create_directories(own);
    const fs::path installed = Install(scratch.Path());
    const fs::path state = scratch.Path() / "state/quoran-wizard";
    EXPECT_EQ(platform::UserStateFolder("/st", "/home/ann"), "/st/quoran-wizard");
    EXPECT_EQ(platform::UserStateFolder(nullptr, "/home/ann"),
              "/home/ann/.local/state/quoran-wizard");
    EXPECT_EQ(platform::UserStateFolder("relative", nullptr), "");

    const LogPlace here = platform::ChooseLogPlace(own.string(), own.string(), state.string());
    EXPECT_EQ(here.path, "./log.txt");
    EXPECT_FALSE(here.keepsPrevious);
    EXPECT_FALSE(fs::exists(state)) << "a program of its own makes no state folder";
    const LogPlace aside =
        platform::ChooseLogPlace(installed.string(), own.string(), state.string());
    EXPECT_EQ(aside.path, (state / "log.txt").string());
    EXPECT_TRUE(aside.keepsPrevious);
    EXPECT_TRUE(fs::is_directory(state));
    EXPECT_EQ(platform::ChooseLogPlace(installed.string(), own.string(), "").path, "./log.txt");
}

TEST(ProgramFolder, FolderTheUserMayNotWrite_IsLeftForTheUserFolder)
{
    TempFolder scratch;
    const fs::path bin = scratch.Path() / "opt/bin";
    fs::create_directories(bin);
    const fs::path config = scratch.Path() / "config";
    fs::create_directories(config);
    testing_support::HandToUnprivilegedUser(config);
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);

    const std::string answer = RunUnprivileged([&] {
        return platform::ChooseProgramFolder(bin.string(), (config / "quoran-wizard").string())
            .folder;
    });
    if (answer == testing_support::kCannotDropPrivileges)
        GTEST_SKIP() << "needs root to run as an unprivileged user, or a user who is not root";
    EXPECT_EQ(answer, (config / "quoran-wizard").string())
        << "no shipped profile: the folder is made, with nothing in it";
    EXPECT_TRUE(fs::is_directory(config / "quoran-wizard"));
}
