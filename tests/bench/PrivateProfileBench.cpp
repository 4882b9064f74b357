// Private-profile calls on files of 100 to 10 000 configurations of 53 keys each: the figures
// should grow in proportion to the file (time per byte about constant), never faster.
#include "platform/win32.h"
#include "tests/bench/BenchProfile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
void ReadKeyOfLastSection(benchmark::State& state)
{
    const int sections = static_cast<int>(state.range(0));
    const BenchProfile file(sections);
    const std::string section = "config" + std::to_string(sections - 1);
    char value[5];
    for (auto _ : state)
        benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), "KEY52", "1", value,
                                                          sizeof value, file.Path()));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void ListSectionNames(benchmark::State& state)
{
    const BenchProfile file(static_cast<int>(state.range(0)));
    std::string names(256 * 1024, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GetPrivateProfileSectionNamesA(names.data(), names.size(), file.Path()));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void WriteKeyOfLastSection(benchmark::State& state)
{
    const int sections = static_cast<int>(state.range(0));
    const BenchProfile file(sections);
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
