#include "platform/posix/PrivateProfileTesting.h"
#include "platform/win32.h"
#include "tests/platform/ProfileFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <signal.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace std::string_view_literals;

namespace
{
using profile_testing::PrivateProfile;
using testing_support::kNobody;

// ---------------------------------------------------------------------------------------------
// Reading: one table of file contents, arguments and the exact bytes that come back.
// ---------------------------------------------------------------------------------------------

struct ReadCase
{
    const char* rule;
    std::string_view file;
    const char* section;
    const char* key;
    const char* def;
    DWORD size;
    std::string_view expected; // the buffer's first bytes, NULs included
    DWORD result;
};

// clang-format off
const ReadCase kReadCases[] = {
    {"LF lines", "[A]\nk=v\n", "A", "k", "", 80, "v\0"sv, 1},
    {"CR LF lines", "[A]\r\nk=v\r\n", "A", "k", "", 80, "v\0"sv, 1},
    {"lone CR lines", "[A]\rk=v\rj=w", "A", "j", "", 80, "w\0"sv, 1},
    {"blank lines, no final break", "\n\n[A]\r\n\r\n\n  \t\nk=v", "A", "k", "", 80, "v\0"sv, 1},
    {"header blanks and tail", "  [ My Config ] tail=1\nk=1", "my config", "k", "", 80, "1\0"sv, 1},
    {"name ends at first ]", "[A]x]\nk=1", "A", "k", "", 80, "1\0"sv, 1},
    {"header without ]", "[A\nk=1", "A", "k", "", 80, "1\0"sv, 1},
    {"entries before any section", "k=0\n[A]\nj=1", "", "k", "d", 80, "d\0"sv, 1},
    {"empty section name", "[]\nk=1", "", "k", "d", 80, "d\0"sv, 1},
    {"key and value trimmed", "[A]\n \t Key \t=\t  some value \t\n", "A", "key", "", 80,
     "some value\0"sv, 10},
    {"double quotes removed", "[A]\nk=  \"quoted \"  ", "A", "k", "", 80, "quoted \0"sv, 7},
    {"single quotes removed", "[A]\nk='q'", "A", "k", "", 80, "q\0"sv, 1},
    {"mixed quotes kept", "[A]\nk=\"q'", "A", "k", "", 80, "\"q'\0"sv, 3},
    {"lone quote kept", "[A]\nk=\"", "A", "k", "", 80, "\"\0"sv, 1},
    {"empty quotes", "[A]\nk=\"\"", "A", "k", "d", 80, "\0"sv, 0},
    {"case ignored, value kept", "[a]\nkEy=VaLuE", "A", "KeY", "", 80, "VaLuE\0"sv, 5},
    {"comment line", "[A]\n  ;k=1\nk=2", "A", "k", "", 80, "2\0"sv, 1},
    {"hash is a key", "[A]\n#k=1", "A", "#k", "", 80, "1\0"sv, 1},
    {"line without =", "[A]\nk\nk=2", "A", "k", "", 80, "2\0"sv, 1},
    {"split at first =", "[A]\nk=a=b", "A", "k", "", 80, "a=b\0"sv, 3},
    {"blank key is no key", "[A]\n = v", "A", "", "d", 80, "d\0"sv, 1},
    {"empty value found", "[A]\nk=\nj=1", "A", "k", "dflt", 80, "\0"sv, 0},
    {"first duplicate key", "[A]\nk=1\nk=2", "A", "k", "", 80, "1\0"sv, 1},
    {"first duplicate section", "[A]\nk=1\n[a]\nk=2\nj=3", "A", "j", "d", 80, "d\0"sv, 1},
    {"arguments trimmed", "[A]\nk=1", " \tA ", "  k\t", "", 80, "1\0"sv, 1},
    {"default: trailing blanks go", "", "A", "k", "  dflt   ", 80, "  dflt\0"sv, 6},
    {"NULL default", "", "A", "k", nullptr, 80, "\0"sv, 0},
    {"missing section", "[B]\nk=1", "A", "k", "d", 80, "d\0"sv, 1},
    {"bytes above 0x7F kept", "[A]\nk=\xc4\xff\x80 x", "A", "k", "", 80, "\xc4\xff\x80 x\0"sv, 5},
    {"case rule is ASCII only", "[\xc4]\nk=1", "\xe4", "k", "d", 80, "d\0"sv, 1},
    {"byte-order mark skipped", "\xEF\xBB\xBF[A]\nk=1", "A", "k", "", 80, "1\0"sv, 1},
    {"NUL ends a line's text", "[A]\nk=ab\0cd\nj=1"sv, "A", "k", "", 80, "ab\0"sv, 2},
    {"NUL before =", "[A]\nk\0=1"sv, "A", "k", "d", 80, "d\0"sv, 1},
    {"NUL inside a header", "[A\0]\nk=1"sv, "A", "k", "", 80, "1\0"sv, 1},
    // Values cut to the buffer: nSize-1 characters and a NUL.
    {"value cut to 4", "[A]\nk=12345", "A", "k", "", 5, "1234\0"sv, 4},
    {"value just fits", "[A]\nk=1234", "A", "k", "", 5, "1234\0"sv, 4},
    {"value into 1", "[A]\nk=12345", "A", "k", "", 1, "\0"sv, 0},
    {"default cut", "", "A", "k", "default", 4, "def\0"sv, 3},
    // Lists: names with their NULs and a final NUL; cut lists end in two NULs, nSize-2.
    {"section names", "[A]\n[B] x\n[]\n[a]\n", nullptr, nullptr, "d", 80, "A\0B\0a\0\0"sv, 6},
    {"no sections", "k=1\n", nullptr, "k", "d", 80, "\0\0"sv, 0},
    {"key names", "[A]\nk1=1\n;c=2\nno\n=x\nk2=\nk1=3\n[B]\nx=1", "A", nullptr, "d", 80,
     "k1\0k2\0k1\0\0"sv, 9},
    {"key names, missing section", "[B]\nx=1", "A", nullptr, "d", 80, "\0\0"sv, 0},
    {"list with room to spare", "[Alpha]\n[Beta]", nullptr, nullptr, "", 13, "Alpha\0Beta\0\0"sv, 11},
    {"list exactly as long", "[Alpha]\n[Beta]", nullptr, nullptr, "", 12, "Alpha\0Beta\0\0"sv, 10},
    {"list cut in first name", "[Alpha]\n[Beta]", nullptr, nullptr, "", 6, "Alph\0\0"sv, 4},
    {"list cut between names", "[Alpha]\n[Beta]", nullptr, nullptr, "", 8, "Alpha\0\0\0"sv, 6},
    {"list into 2", "[Alpha]", nullptr, nullptr, "", 2, "\0\0"sv, 0},
    {"list into 1", "[Alpha]", nullptr, nullptr, "", 1, "\0"sv, 0},
};
// clang-format on

TEST_F(PrivateProfile, Read_GivesTheExactBytesAndLength_ForEveryRule)
{
    for (const ReadCase& c : kReadCases)
    {
        SCOPED_TRACE(c.rule);
        Put(c.file);
        std::string buffer(c.size + 8, '\x7f');
        const DWORD result = GetPrivateProfileStringA(c.section, c.key, c.def, buffer.data(),
                                                      c.size, m_path.c_str());
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(buffer.substr(0, c.expected.size()), c.expected);
        EXPECT_EQ(buffer.substr(c.size), std::string(8, '\x7f')) << "wrote past nSize";
    }
}

TEST_F(PrivateProfile, Read_GivesTheDefault_WhenTheFileIsMissing)
{
    EXPECT_EQ(Read("A", "k", "dflt  "), "dflt");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    char names[16] = "xxxxxxxxxxxxxxx";
    EXPECT_EQ(GetPrivateProfileSectionNamesA(names, sizeof names, m_path.c_str()), 0u);
    EXPECT_EQ(std::string_view(names, 2), "\0\0"sv);
}

TEST_F(PrivateProfile, Read_ReportsCutsAndSuccessInTheLastError_AndNeverTouchesAnEmptyBuffer)
{
    Put("[A]\nk=12345\n");
    EXPECT_EQ(Read("A", "k", "", 5), "1234");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(Read("A", "k", "", 6), "12345");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    char untouched = 'x';
    EXPECT_EQ(GetPrivateProfileStringA("A", "k", "", &untouched, 0, m_path.c_str()), 0u);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(GetPrivateProfileStringA("A", "k", "", nullptr, 10, m_path.c_str()), 0u);
}

TEST_F(PrivateProfile, SectionNames_AreTheSameListAsANullSection)
{
    Put("[One]\n[Two]\n[one]\n");
    char names[64];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(names, sizeof names, m_path.c_str()), 12u);
    EXPECT_EQ(std::string_view(names, 13), "One\0Two\0one\0\0"sv);
    EXPECT_EQ(GetPrivateProfileSectionNamesA(names, 6, m_path.c_str()), 4u);
    EXPECT_EQ(std::string_view(names, 6), "One\0\0\0"sv);
}

// ---------------------------------------------------------------------------------------------
// Writing: the resulting file, byte for byte.
// ---------------------------------------------------------------------------------------------

struct WriteCase
{
    const char* rule;
    std::optional<std::string_view> before; // nullopt: no file
    const char* section;
    const char* key;
    const char* value;
    std::optional<std::string_view> after;
};

// clang-format off
const WriteCase kWriteCases[] = {
    {"creates a missing file", std::nullopt, "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"replaces in place", "[A]\nk=1\nj=2\n", "A", "k", "5", "[A]\nk=5\r\nj=2\n"},
    {"keeps the stored key", "[a]\r\n  Key = 1 \r\n", "A", "KEY", "2", "[a]\r\nKey=2\r\n"},
    {"same value: no rewrite", "[A]\nk = \"1\" \n", "A", "k", "1", "[A]\nk = \"1\" \n"},
    {"value case matters", "[A]\nk=yes\n", "A", "k", "Yes", "[A]\nk=Yes\r\n"},
    {"new key after last entry", "[A]\nk=1\n; about B\n\n[B]\nx=1\n", "A", "j", "2",
     "[A]\nk=1\nj=2\r\n; about B\n\n[B]\nx=1\n"},
    {"new key in an empty section", "[A]\r[B]\r", "A", "j", "2", "[A]\rj=2\r\n[B]\r"},
    {"new key, last line unended", "[A]\nk=1", "A", "j", "2", "[A]\nk=1\r\nj=2\r\n"},
    {"new key in first duplicate", "[A]\nk=1\n[A]\nj=1\n", "a", "j", "2",
     "[A]\nk=1\nj=2\r\n[A]\nj=1\n"},
    {"new section at the end", "[A]\nk=1\n\n", "B", "x", "1", "[A]\nk=1\n\n[B]\r\nx=1\r\n"},
    {"new section, unended file", "[A]\nk=1", "B", "x", "1", "[A]\nk=1\r\n[B]\r\nx=1\r\n"},
    {"new section after lone CR", "[A]\rk=1\r", "B", "x", "1", "[A]\rk=1\r[B]\r\nx=1\r\n"},
    {"new section, empty file", "", "B", "x", "1", "[B]\r\nx=1\r\n"},
    {"new section after a mark", "\xEF\xBB\xBF", "B", "x", "1", "\xEF\xBB\xBF[B]\r\nx=1\r\n"},
    {"arguments trimmed", std::nullopt, " B\t", "\tx ", " 1", "[B]\r\nx= 1\r\n"},
    {"value bytes kept", std::nullopt, "B", "x", "\xc4\xff\x80", "[B]\r\nx=\xc4\xff\x80\r\n"},
    {"empty value", std::nullopt, "B", "x", "", "[B]\r\nx=\r\n"},
    {"damaged lines kept", "[A]\nbad\0line\r\nk=1\n"sv, "A", "k", "2", "[A]\nbad\0line\r\nk=2\r\n"sv},
    {"removes a key", "[A]\r\nk=1\r\nj=2\r\n", "A", "k", nullptr, "[A]\r\nj=2\r\n"},
    {"removes every copy", "[A]\nk=1\nk=2\n[B]\nk=3\n", "A", "K", nullptr, "[A]\n[B]\nk=3\n"},
    {"removing a missing key", "[A]\nj=1", "A", "k", nullptr, "[A]\nj=1"},
    {"removing from no file", std::nullopt, "A", "k", nullptr, std::nullopt},
    {"removes sections", "; head\n[A]\nk=1\n; about A\nno\n\n[B]\nx=1\n[a] 2\ny=1",
     "A", nullptr, nullptr, "; head\n; about A\n\n[B]\nx=1\n"},
    {"removing a missing section", "[B]\nx=1\n", "A", nullptr, "ignored", "[B]\nx=1\n"},
};
// clang-format on

TEST_F(PrivateProfile, Write_LeavesTheExactFile_ForEveryRule)
{
    for (const WriteCase& c : kWriteCases)
    {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove(m_path);
        if (c.before)
            Put(*c.before);
        EXPECT_EQ(Write(c.section, c.key, c.value), TRUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(Contents(), c.after);
        EXPECT_EQ(FolderEntries().size(), c.after ? 1u : 0u) << "a temporary was left";
    }
}

TEST_F(PrivateProfile, Write_ReadsBackAsWritten_AcrossAWholeConfiguration)
{
    for (int i = 0; i < 53; ++i)
        ASSERT_EQ(Write("My_Config(2)", ("Key" + std::to_string(i)).c_str(),
                        std::to_string(i * 7).c_str()),
                  TRUE);
    ASSERT_EQ(Write("Other", "Key0", "x"), TRUE);
    for (int i = 0; i < 53; ++i)
        EXPECT_EQ(Read("my_config(2)", ("KEY" + std::to_string(i)).c_str()), std::to_string(i * 7));
    ASSERT_EQ(Write("MY_CONFIG(2)", nullptr, nullptr), TRUE);
    EXPECT_EQ(Contents(), "[Other]\r\nKey0=x\r\n");
}

TEST_F(PrivateProfile, Write_RefusesWhatCouldNotBeReadBack_AndLeavesTheFile)
{
    const std::string_view before = "[A]\r\nk=1\r\n";
    Put(before);
    struct Refused
    {
        const char* section;
        const char* key;
        const char* value;
    };
    const Refused refused[] = {{nullptr, "k", "1"}, {"", "k", "1"},         {" \t", "k", "1"},
                               {"a]b", "k", "1"},   {"a\nb", "k", "1"},     {"A", "", "1"},
                               {"A", "a=b", "1"},   {"A", "a\rb", "1"},     {"A", ";k", "1"},
                               {"A", " [k", "1"},   {"A", "k", "1\r\n[B]"}, {"A", "k", "1\n"}};
    for (const Refused& r : refused)
    {
        EXPECT_EQ(Write(r.section, r.key, r.value), FALSE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_EQ(WritePrivateProfileStringA("A", "k", "1", nullptr), FALSE);
    EXPECT_EQ(Contents(), before);
}

// ---------------------------------------------------------------------------------------------
// Files that cannot be read or written, and saves that fail part way.
// ---------------------------------------------------------------------------------------------

TEST_F(PrivateProfile, Write_FailsWithPathNotFound_WhenTheFolderIsMissing)
{
    const std::string path = m_folder + "/missing/quoran.ini";
    EXPECT_EQ(WritePrivateProfileStringA("A", "k", "1", path.c_str()), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(PrivateProfile, Write_FailsWithAccessDenied_AndLeavesTheFile_WhenTheFolderIsReadOnly)
{
    Put("[A]\nk=1\n");
    chmod(m_path.c_str(), 0666);
    chmod(m_folder.c_str(), 0555);
    const Outcome outcome = Unprivileged([&] { return Write("A", "k", "2"); });
    EXPECT_EQ(outcome.result, FALSE);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
}

TEST_F(PrivateProfile, Write_FailsWithAccessDenied_WhenTheFileIsReadOnly)
{
    Put("[A]\nk=1\n");
    chmod(m_path.c_str(), 0444);
    chmod(m_folder.c_str(), 0777);
    const Outcome outcome = Unprivileged([&] { return Write("A", "k", "2"); });
    EXPECT_EQ(outcome.result, FALSE);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
    EXPECT_EQ(FolderEntries().size(), 1u);
}

TEST_F(PrivateProfile, UnreadableFile_ReadsAsDefault_AndIsNeverWritten)
{
    Put("[A]\nk=1\n");
    chmod(m_path.c_str(), 0);
    chmod(m_folder.c_str(), 0777);
    const Outcome read = Unprivileged([&] { return Read("A", "k", "dflt") == "dflt" ? 1 : 0; });
    EXPECT_EQ(read.result, 1);
    EXPECT_EQ(read.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    const Outcome write = Unprivileged([&] { return Write("A", "j", "2"); });
    EXPECT_EQ(write.result, FALSE);
    EXPECT_EQ(write.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    chmod(m_path.c_str(), 0644);
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
}

TEST_F(PrivateProfile, SaveInterruptedBeforeTheRename_LeavesTheOldFileAndNothingBesideIt)
{
    Put("[A]\nk=1\n");
    const pid_t child = fork();
    if (child == 0)
    {
        platform::SetProfileSaveHookForTesting([]() -> bool { _exit(0); });
        Write("A", "k", "2");
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save never got there";
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"quoran.ini"});
    EXPECT_EQ(Write("A", "k", "3"), TRUE);
    EXPECT_EQ(Read("A", "k"), "3");
}

TEST_F(PrivateProfile, SaveFailingBeforeTheRename_ReturnsFalse_AndLeavesTheFolderAsItWas)
{
    Put("[A]\nk=1\n");
    platform::SetProfileSaveHookForTesting([] { return false; });
    const BOOL written = Write("A", "k", "2");
    const DWORD error = GetLastError();
    const std::optional<std::string> after = Contents();
    std::filesystem::remove(m_path);
    const BOOL first = Write("A", "k", "2");
    platform::SetProfileSaveHookForTesting(nullptr);
    EXPECT_EQ(written, FALSE);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_EQ(after, "[A]\nk=1\n");
    EXPECT_EQ(first, FALSE);
    EXPECT_TRUE(FolderEntries().empty()) << "a failed first save leaves no file";
}

TEST_F(PrivateProfile, SaveOnAFullDisk_ReturnsFalse_AndKeepsTheOldFile)
{
    Put("[A]\nk=1\n");
    chmod(m_path.c_str(), 0666);
    chmod(m_folder.c_str(), 0777);
    const Outcome outcome = Unprivileged([&]() -> long {
        // A file-size limit makes the write run out of room exactly as a full disk does.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        return WritePrivateProfileStringA("A", "k", std::string(1000, 'x').c_str(), m_path.c_str());
    });
    EXPECT_EQ(outcome.result, FALSE);
    EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
    EXPECT_EQ(FolderEntries().size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// The replacement keeps what an editor keeps: links, mode, owner, and a read-only file's content.
// ---------------------------------------------------------------------------------------------

TEST_F(PrivateProfile, Write_GoesThroughSymbolicLinks_EvenDanglingOnes_AndKeepsModeAndLinks)
{
    struct Case
    {
        const char* rule;
        std::vector<std::pair<std::string, std::string>> links; // name -> what it points at
        const char* target; // the regular file the profile reaches, relative to the folder
        bool targetExists;
    };
    const std::string absolute = m_folder + "/abs/real.ini";
    const Case cases[] = {
        {"relative link", {{"quoran.ini", "real.ini"}}, "real.ini", true},
        {"absolute link", {{"quoran.ini", absolute}}, "abs/real.ini", true},
        {"chain of links",
         {{"quoran.ini", "one"}, {"one", "sub/two"}, {"sub/two", "../real.ini"}},
         "real.ini",
         true},
        {"dangling link", {{"quoran.ini", "sub/new.ini"}}, "sub/new.ini", false},
    };
    std::filesystem::create_directory(m_folder + "/abs");
    std::filesystem::create_directory(m_folder + "/sub");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.rule);
        const std::string target = m_folder + "/" + c.target;
        std::filesystem::remove(target);
        if (c.targetExists)
        {
            Put("[A]\nk=1\n", target);
            chmod(target.c_str(), 0640);
        }
        for (const auto& [name, pointee] : c.links)
        {
            std::filesystem::remove(m_folder + "/" + name);
            ASSERT_EQ(symlink(pointee.c_str(), (m_folder + "/" + name).c_str()), 0);
        }
        ASSERT_EQ(Write("A", "k", "2"), TRUE);
        for (const auto& [name, pointee] : c.links)
            EXPECT_EQ(std::filesystem::read_symlink(m_folder + "/" + name), pointee);
        EXPECT_EQ(Contents(target), c.targetExists ? "[A]\nk=2\r\n" : "[A]\r\nk=2\r\n");
        struct stat status;
        ASSERT_EQ(lstat(target.c_str(), &status), 0);
        EXPECT_TRUE(S_ISREG(status.st_mode));
        if (c.targetExists)
        {
            EXPECT_EQ(status.st_mode & 07777, 0640u);
        }
        for (const auto& [name, pointee] : c.links)
            std::filesystem::remove(m_folder + "/" + name);
    }
}

TEST_F(PrivateProfile, Write_ReplacesOnlyTheNameWritten_WhenTheFileHasHardLinks)
{
    const std::string other = m_folder + "/other.ini";
    Put("[A]\nk=1\n");
    ASSERT_EQ(link(m_path.c_str(), other.c_str()), 0);
    ASSERT_EQ(Write("A", "k", "2"), TRUE);
    EXPECT_EQ(Contents(), "[A]\nk=2\r\n");
    EXPECT_EQ(Contents(other), "[A]\nk=1\n");
    struct stat status;
    ASSERT_EQ(stat(other.c_str(), &status), 0);
    EXPECT_EQ(status.st_nlink, 1u);
}

TEST_F(PrivateProfile, Write_KeepsTheOwner_WhenRootSavesAnotherUsersFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    Put("[A]\nk=1\n");
    ASSERT_EQ(chown(m_path.c_str(), kNobody, kNobody), 0);
    chmod(m_path.c_str(), 0604);
    ASSERT_EQ(Write("A", "k", "2"), TRUE);
    struct stat status;
    ASSERT_EQ(stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
    EXPECT_EQ(Contents(), "[A]\nk=2\r\n");
}

TEST_F(PrivateProfile, Write_RefusesAFileWithoutWritePermission_ForRootToo)
{
    for (const mode_t mode : {0444, 0400, 0})
    {
        SCOPED_TRACE(mode);
        Put("[A]\nk=1\n");
        chmod(m_path.c_str(), mode);
        EXPECT_EQ(Write("A", "k", "2"), FALSE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(Write("A", nullptr, nullptr), FALSE);
        chmod(m_path.c_str(), 0644);
        EXPECT_EQ(Contents(), "[A]\nk=1\n");
        EXPECT_EQ(FolderEntries().size(), 1u);
    }
}

// ---------------------------------------------------------------------------------------------
// Damaged and extreme files.
// ---------------------------------------------------------------------------------------------

TEST_F(PrivateProfile, BinaryFile_ReadsWithoutHarm_AndStillTakesAWrite)
{
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i)
    {
        state = state * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(state >> 16));
    }
    Put(garbage);
    std::string buffer(4096, '\x7f');
    const DWORD names =
        GetPrivateProfileSectionNamesA(buffer.data(), buffer.size(), m_path.c_str());
    EXPECT_LE(names, buffer.size() - 2);
    EXPECT_EQ(buffer[names], '\0');
    EXPECT_LE(Read("A", "k", "", 16).size(), 15u);

    ASSERT_EQ(Write("Fresh", "k", "1"), TRUE);
    EXPECT_EQ(Read("Fresh", "k"), "1");
    EXPECT_EQ(Contents()->substr(0, garbage.size()), garbage);
}

TEST_F(PrivateProfile, HugeLines_AreReadAndCutLikeAnyOther)
{
    const std::string longValue(100000, 'v');
    const std::string longName(100000, 'n');
    Put("[A]\r\nk=" + longValue + "\r\n[" + longName + "]\r\n" + longName + "=1\r\n");
    EXPECT_EQ(Read("A", "k", "", 100001), longValue);
    EXPECT_EQ(Read("A", "k", "", 80), longValue.substr(0, 79));
    EXPECT_EQ(Read(longName.c_str(), longName.c_str()), "1");
    ASSERT_EQ(Write(longName.c_str(), "j", longValue.c_str()), TRUE);
    EXPECT_EQ(Read(longName.c_str(), "j", "", 100001), longValue);
}

TEST_F(PrivateProfile, TenThousandSections_AreListedReadAndEdited)
{
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "[Config" + std::to_string(i) + "]\r\nRingsToAnswer=" + std::to_string(i) + "\r\n";
    Put(text);
    std::string names(200000, '\x7f');
    const DWORD length = GetPrivateProfileSectionNamesA(names.data(), names.size(), m_path.c_str());
    EXPECT_EQ(std::count(names.begin(), names.begin() + length, '\0'), 10000);
    EXPECT_EQ(Read("config9999", "ringstoanswer"), "9999");

    char first[512];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(first, sizeof first, m_path.c_str()), 510u);
    EXPECT_EQ(std::string_view(first + 494, 18), "Config56\0Config5\0\0"sv) << "cut, two NULs";

    ASSERT_EQ(Write("Config5000", nullptr, nullptr), TRUE);
    ASSERT_EQ(Write("Config9999", "RingsToAnswer", "3"), TRUE);
    EXPECT_EQ(Read("Config5000", "RingsToAnswer", "gone"), "gone");
    EXPECT_EQ(Read("Config9999", "RingsToAnswer"), "3");
    EXPECT_EQ(Read("Config4999", "RingsToAnswer"), "4999");
}

TEST_F(PrivateProfile, OversizedOrSpecialFiles_ReadAsDefault_AndAreNotWritten)
{
    Put("[A]\nk=1\n");
    ASSERT_EQ(truncate(m_path.c_str(), 65 * 1024 * 1024), 0);
    EXPECT_EQ(Read("A", "k", "dflt"), "dflt");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(Write("A", "k", "2"), FALSE);
    struct stat status;
    ASSERT_EQ(stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, 65 * 1024 * 1024);

    std::filesystem::remove(m_path);
    ASSERT_EQ(mkfifo(m_path.c_str(), 0644), 0);
    EXPECT_EQ(Read("A", "k", "dflt"), "dflt");
    EXPECT_EQ(Write("A", "k", "2"), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}
} // namespace
