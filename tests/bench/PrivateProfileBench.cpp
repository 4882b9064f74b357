// Private-profile calls on files of 100 to 10 000 configurations of 53 keys each: the figures
// should grow in proportion to the file (time per byte about constant), never faster.
#include "platform/win32.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
class ProfileFile
{
public:
    explicit ProfileFile(int sections)
    {
        char pattern[] = "/tmp/profile-bench-XXXXXX";
        m_folder = mkdtemp(pattern);
        m_path = m_folder + "/quoran.ini";
        std::ofstream out(m_path, std::ios::binary);
        for (int s = 0; s < sections; ++s)
        {
            out << "[Config" << s << "]\r\n";
            for (int k = 0; k < 53; ++k)
                out << "Key" << k << "=" << (s + k) % 1000 << "\r\n";
        }
        m_bytes = static_cast<int64_t>(std::filesystem::file_size(m_path));
    }
    ~ProfileFile() { std::filesystem::remove_all(m_folder); }

    const char* Path() const { return m_path.c_str(); }
    int64_t Bytes() const { return m_bytes; }

private:
    std::string m_folder;
    std::string m_path;
    int64_t m_bytes = 0;
};

void ReadKeyOfLastSection(benchmark::State& state)
{
    const int sections = static_cast<int>(state.range(0));
    const ProfileFile file(sections);
    const std::string section = "config" + std::to_string(sections - 1);
    char value[5];
    for (auto _ : state)
        benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), "KEY52", "1", value,
                                                          sizeof value, file.Path()));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void ListSectionNames(benchmark::State& state)
{
    const ProfileFile file(static_cast<int>(state.range(0)));
    std::string names(256 * 1024, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GetPrivateProfileSectionNamesA(names.data(), names.size(), file.Path()));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void WriteKeyOfLastSection(benchmark::State& state)
{
    const int sections = static_cast<int>(state.range(0));
    const ProfileFile file(sections);
    const std::string section = "Config" + std::to_string(sections - 1);
    int value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(WritePrivateProfileStringA(
            section.c_str(), "Key52", std::to_string(++value % 2).c_str(), file.Path()));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}
} // namespace

BENCHMARK(ReadKeyOfLastSection)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(ListSectionNames)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(WriteKeyOfLastSection)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK_MAIN();
