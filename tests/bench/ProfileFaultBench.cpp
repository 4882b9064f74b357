// The profile store under a tester's faults, counted rather than timed:
// - TwoWriters: two processes write their own keys into one profile for 5 seconds; "lost" is
//   the share of acknowledged writes missing from the file afterwards (goal 0).
// - KilledSaves: a process saves a whole configuration (53 keys, as the save page does) again
//   and again and is killed 300 times at varying moments; "mixed" counts kills after which the
//   configuration is part old, part new, "leftBehind" the files found beside the profile right
//   after a kill, "leftAfterNextSave" those still there after the next save (all goal 0).
#include "platform/ProfileBatch.h"
#include "platform/win32.h"
#include "tests/bench/BenchProfile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
constexpr int kKeys = 53;
constexpr int kKills = 300;
constexpr auto kWritingTime = std::chrono::seconds(5);

std::string Key(int index)
{
    return "Key" + std::to_string(index);
}

std::string Read(const char* path, const char* section, const std::string& key)
{
    char value[64];
    GetPrivateProfileStringA(section, key.c_str(), "", value, sizeof value, path);
    return value;
}

void SaveConfiguration(const char* path, int generation)
{
    platform::ProfileBatch batch(path);
    for (int key = 0; key < kKeys; ++key)
        WritePrivateProfileStringA("Office", Key(key).c_str(), std::to_string(generation).c_str(),
                                   path);
    batch.Commit();
}

// Writes keys "<prefix>0", "<prefix>1", ... until the time is up; returns how many it wrote.
int WriteFor(const char* path, const std::string& prefix)
{
    const auto end = std::chrono::steady_clock::now() + kWritingTime;
    int written = 0;
    while (std::chrono::steady_clock::now() < end)
        written += WritePrivateProfileStringA("Shared", (prefix + std::to_string(written)).c_str(),
                                              "1", path);
    return written;
}

void TwoWriters(benchmark::State& state)
{
    const BenchProfile profile(10);
    int acknowledged = 0;
    int lost = 0;
    for (auto _ : state)
    {
        int channel[2];
        if (pipe(channel) != 0)
            return;
        const pid_t child = fork();
        if (child == 0)
        {
            const int written = WriteFor(profile.Path(), "Child");
            _exit(write(channel[1], &written, sizeof written) == sizeof written ? 0 : 1);
        }
        const int parentWrote = WriteFor(profile.Path(), "Parent");
        int childWrote = 0;
        if (read(channel[0], &childWrote, sizeof childWrote) != sizeof childWrote)
            childWrote = 0;
        waitpid(child, nullptr, 0);
        close(channel[0]);
        close(channel[1]);
        acknowledged = parentWrote + childWrote;
        for (const auto& [prefix, count] :
             {std::pair{"Parent", parentWrote}, {"Child", childWrote}})
            for (int i = 0; i < count; ++i)
                lost += Read(profile.Path(), "Shared", prefix + std::to_string(i)).empty();
    }
    state.counters["acknowledged"] = acknowledged;
    state.counters["lost"] = lost;
    state.counters["lostShare"] = acknowledged > 0 ? double(lost) / acknowledged : 0;
}

int EntriesBeside(const BenchProfile& profile)
{
    int entries = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(profile.Path()).parent_path()))
        entries += entry.path().filename() != "quoran.ini";
    return entries;
}

void KilledSaves(benchmark::State& state)
{
    const BenchProfile profile(10);
    SaveConfiguration(profile.Path(), 0);
    // How long one save takes, so that the kills fall anywhere in the first two.
    const auto start = std::chrono::steady_clock::now();
    SaveConfiguration(profile.Path(), 1);
    const auto saveTime = std::chrono::steady_clock::now() - start;
    int mixed = 0;
    int leftBehind = 0;
    unsigned random = 12345;
    for (auto _ : state)
    {
        for (int round = 0; round < kKills; ++round)
        {
            int started[2];
            if (pipe(started) != 0)
                return;
            const pid_t child = fork();
            if (child == 0)
            {
                close(started[0]);
                (void)!write(started[1], "s", 1);
                for (int generation = (round + 1) * 1000;; ++generation)
                    SaveConfiguration(profile.Path(), generation);
            }
            close(started[1]);
            char byte;
            (void)!read(started[0], &byte, 1);
            close(started[0]);
            random = random * 1103515245u + 12345u;
            std::this_thread::sleep_for(saveTime * 2 * ((random >> 8) % 1000) / 1000);
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);

            const std::string first = Read(profile.Path(), "Office", Key(0));
            for (int key = 1; key < kKeys; ++key)
            {
                if (Read(profile.Path(), "Office", Key(key)) != first)
                {
                    ++mixed;
                    break;
                }
            }
            leftBehind += EntriesBeside(profile);
        }
    }
    SaveConfiguration(profile.Path(), 2);
    state.counters["kills"] = kKills;
    state.counters["mixed"] = mixed;
    state.counters["leftBehind"] = leftBehind;
    state.counters["leftAfterNextSave"] = EntriesBeside(profile);
}
} // namespace

BENCHMARK(TwoWriters)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(KilledSaves)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
