// Several writers on one profile, writers killed part way, and batches of writes.
#include "platform/ProfileBatch.h"
#include "platform/posix/PrivateProfileTesting.h"
#include "platform/win32.h"
#include "tests/platform/ProfileFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace
{
using profile_testing::PrivateProfile;

std::atomic<int> g_replacements{0};

bool CountReplacement()
{
    ++g_replacements;
    return true;
}

class ProfileWriters : public PrivateProfile
{
protected:
    void TearDown() override
    {
        platform::SetProfileSaveHookForTesting(nullptr);
        PrivateProfile::TearDown();
    }

    // The keys of `section` as the file has them now.
    std::vector<std::string> Keys(const char* section) const
    {
        std::string buffer(1 << 16, '\0');
        const DWORD length = GetPrivateProfileStringA(
            section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()), m_path.c_str());
        std::vector<std::string> keys;
        for (size_t at = 0; at < length; at += keys.back().size() + 1)
            keys.emplace_back(buffer.data() + at);
        return keys;
    }

    // How many of the keys `prefix`0 .. `prefix`(count-1) `keys` lacks.
    static int Missing(const std::vector<std::string>& keys, const std::string& prefix, int count)
    {
        int missing = 0;
        for (int i = 0; i < count; ++i)
            missing +=
                std::find(keys.begin(), keys.end(), prefix + std::to_string(i)) == keys.end();
        return missing;
    }

    // A whole configuration of 53 keys, every value `generation`, saved as the save page does.
    BOOL SaveConfiguration(int generation)
    {
        platform::ProfileBatch batch(m_path.c_str());
        for (int key = 0; key < kKeys; ++key)
            Write("Office", ("Key" + std::to_string(key)).c_str(),
                  std::to_string(generation).c_str());
        return batch.Commit();
    }

    static constexpr int kKeys = 53;
};

// ---------------------------------------------------------------------------------------------
// Writers at the same time
// ---------------------------------------------------------------------------------------------

TEST_F(ProfileWriters, TwoThreads_LoseNoWrite_AndAReaderNeverMissesAKeyAlreadyWritten)
{
    constexpr int kWrites = 25;
    std::atomic<int> written[2] = {0, 0};
    std::atomic<int> writersLeft{2};
    auto writer = [&](int thread) {
        const std::string prefix = "T" + std::to_string(thread) + "_";
        for (int i = 0; i < kWrites; ++i)
        {
            EXPECT_EQ(Write("Shared", (prefix + std::to_string(i)).c_str(), "v"), TRUE);
            written[thread].store(i + 1);
        }
        --writersLeft;
    };
    int reads = 0;
    int missing = 0;
    std::thread first(writer, 0);
    std::thread second(writer, 1);
    while (writersLeft.load() > 0)
    {
        const int done0 = written[0].load();
        const int done1 = written[1].load();
        const std::vector<std::string> keys = Keys("Shared");
        missing += Missing(keys, "T0_", done0) + Missing(keys, "T1_", done1);
        ++reads;
    }
    first.join();
    second.join();
    EXPECT_EQ(missing, 0) << "in " << reads << " reads";
    const std::vector<std::string> keys = Keys("Shared");
    EXPECT_EQ(Missing(keys, "T0_", kWrites) + Missing(keys, "T1_", kWrites), 0);
    EXPECT_EQ(keys.size(), 2u * kWrites);
}

TEST_F(ProfileWriters, TwoProcesses_LoseNoWrite)
{
    constexpr int kWrites = 25;
    const pid_t child = fork();
    if (child == 0)
    {
        int failed = 0;
        for (int i = 0; i < kWrites; ++i)
            failed += Write("Shared", ("Child" + std::to_string(i)).c_str(), "c") != TRUE;
        _exit(failed);
    }
    for (int i = 0; i < kWrites; ++i)
        EXPECT_EQ(Write("Shared", ("Parent" + std::to_string(i)).c_str(), "p"), TRUE);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::vector<std::string> keys = Keys("Shared");
    EXPECT_EQ(Missing(keys, "Parent", kWrites), 0);
    EXPECT_EQ(Missing(keys, "Child", kWrites), 0);
}

// ---------------------------------------------------------------------------------------------
// Writers killed part way
// ---------------------------------------------------------------------------------------------

TEST_F(ProfileWriters, KilledSaves_LeaveTheConfigurationWhollyOldOrWhollyNew_AndNoLitter)
{
    constexpr int kKills = 40;
    ASSERT_EQ(SaveConfiguration(0), TRUE);
    unsigned random = 12345;
    for (int round = 0; round < kKills; ++round)
    {
        SCOPED_TRACE(round);
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        if (child == 0)
        {
            close(started[0]);
            for (int generation = (round + 1) * 1000;; ++generation)
            {
                SaveConfiguration(generation);
                if (generation == (round + 1) * 1000)
                    (void)!write(started[1], "s", 1);
            }
        }
        close(started[1]);
        char byte;
        ASSERT_EQ(read(started[0], &byte, 1), 1);
        close(started[0]);
        // Anywhere in the next few saves; where exactly changes only what is covered.
        random = random * 1103515245u + 12345u;
        std::this_thread::sleep_for(std::chrono::microseconds((random >> 8) % 40000));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);

        const std::string first = Read("Office", "Key0");
        for (int key = 1; key < kKeys; ++key)
            ASSERT_EQ(Read("Office", ("Key" + std::to_string(key)).c_str()), first) << key;
        // A writer killed between naming its new file and the rename may leave that name, and
        // only that one: the next writer removes it.
        const std::string leftover = "quoran.ini.new-" + std::to_string(child) + "-";
        for (const std::string& entry : FolderEntries())
        {
            if (entry != "quoran.ini")
            {
                EXPECT_EQ(entry.substr(0, leftover.size()), leftover);
            }
        }
    }
    ASSERT_EQ(Write("Other", "k", "1"), TRUE);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"quoran.ini"});
}

TEST_F(ProfileWriters, Write_RemovesTemporariesOfWritersThatAreGone_AndKeepsOthers)
{
    Put("[A]\nk=1\n");
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const pid_t alive = fork();
    if (alive == 0)
    {
        pause();
        _exit(0);
    }
    const std::string ofGone = std::to_string(gone);
    const std::vector<std::string> removed = {"quoran.ini.new-" + ofGone + "-0",
                                              "quoran.ini.new-" + ofGone + "-17"};
    const std::vector<std::string> kept = {
        "quoran.ini",
        "quoran.ini.new-" + std::to_string(alive) + "-0", // its writer may still rename it
        "other.ini.new-" + ofGone + "-0",                 // another profile's
        "quoran.ini.new-" + ofGone + "-x",                // not a name a writer makes
        "quoran.ini.new-" + ofGone,
    };
    for (const std::string& name : removed)
        Put("partial", m_folder + "/" + name);
    for (const std::string& name : kept)
        if (name != "quoran.ini")
            Put("other", m_folder + "/" + name);

    EXPECT_EQ(Write("A", "k", "2"), TRUE);
    kill(alive, SIGKILL);
    waitpid(alive, nullptr, 0);
    std::vector<std::string> entries = FolderEntries();
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(Read("A", "k"), "2");
}

// ---------------------------------------------------------------------------------------------
// Batches
// ---------------------------------------------------------------------------------------------

TEST_F(ProfileWriters, Batch_LeavesWhatTheSameSingleWritesWould_InOneReplacement)
{
    struct Call
    {
        const char* section;
        const char* key;
        const char* value;
    };
    const Call calls[] = {
        {"A", "k", "2"},    {"A", "new", "x"},     {"B", "k", "1"},
        {"A", "k", "2"},    {"a", "K", nullptr},   {"C", nullptr, nullptr},
        {"C", "k", "back"}, {" D ", " k ", " v "}, {"B", nullptr, nullptr},
    };
    const std::string before = "; head\n[A]\nk=1\nj=2\n[C]\r\nx=1\r\n";
    const std::string batched = m_folder + "/batched.ini";
    Put(before);
    Put(before, batched);

    platform::SetProfileSaveHookForTesting(CountReplacement);
    g_replacements = 0;
    for (const Call& call : calls)
        ASSERT_EQ(Write(call.section, call.key, call.value), TRUE);
    const int singleReplacements = g_replacements.exchange(0);

    platform::ProfileBatch batch(batched.c_str());
    for (const Call& call : calls)
        ASSERT_EQ(WritePrivateProfileStringA(call.section, call.key, call.value, batched.c_str()),
                  TRUE);
    EXPECT_EQ(Contents(batched), before) << "nothing written before the commit";
    EXPECT_EQ(batch.Commit(), TRUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));

    EXPECT_EQ(singleReplacements, 8);
    EXPECT_EQ(g_replacements.load(), 1);
    EXPECT_EQ(Contents(batched), Contents());
}

TEST_F(ProfileWriters, Batch_CollectsOnlyItsThreadsWritesToItsFile_AndIsDroppedUnlessCommitted)
{
    const std::string other = m_folder + "/other.ini";
    Put("[A]\nk=1\n");
    {
        platform::ProfileBatch batch(m_path.c_str());
        EXPECT_EQ(Write("A", "k", "2"), TRUE);
        EXPECT_EQ(Read("A", "k"), "1") << "reads see the file";
        EXPECT_EQ(Write("A", "bad=key", "1"), FALSE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(WritePrivateProfileStringA("O", "k", "1", other.c_str()), TRUE);
        std::thread([this] { EXPECT_EQ(Write("T", "k", "1"), TRUE); }).join();
        EXPECT_EQ(Contents(), "[A]\nk=1\n[T]\r\nk=1\r\n") << "another thread's write";
    }
    EXPECT_EQ(Contents(), "[A]\nk=1\n[T]\r\nk=1\r\n") << "an uncommitted batch is dropped";
    EXPECT_EQ(Contents(other), "[O]\r\nk=1\r\n");

    platform::ProfileBatch outer(m_path.c_str());
    EXPECT_EQ(Write("A", "k", "outer"), TRUE);
    {
        platform::ProfileBatch inner(m_path.c_str());
        EXPECT_EQ(Write("A", "j", "inner"), TRUE);
        EXPECT_EQ(inner.Commit(), TRUE);
        EXPECT_EQ(Write("A", "i", "outer"), TRUE) << "collected by the outer batch again";
    }
    EXPECT_EQ(Contents(), "[A]\nk=1\nj=inner\r\n[T]\r\nk=1\r\n");
    EXPECT_EQ(outer.Commit(), TRUE);
    EXPECT_EQ(Write("A", "h", "direct"), TRUE);
    EXPECT_EQ(Contents(), "[A]\nk=outer\r\nj=inner\r\ni=outer\r\nh=direct\r\n[T]\r\nk=1\r\n");
}

TEST_F(ProfileWriters, Batch_ThatCannotBeWritten_ReturnsFalse_AndLeavesTheFile)
{
    Put("[A]\nk=1\n");
    chmod(m_path.c_str(), 0444);
    platform::ProfileBatch batch(m_path.c_str());
    EXPECT_EQ(Write("A", "k", "2"), TRUE);
    EXPECT_EQ(Write("B", "k", "2"), TRUE);
    EXPECT_EQ(batch.Commit(), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
    EXPECT_EQ(FolderEntries().size(), 1u);
}
} // namespace
