// Saving one whole configuration (every parameter of the catalogue written to the profile) into
// a profile that already holds 10 or 100 configurations: the time the save page keeps the user
// waiting after Next.
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
void SaveNewConfiguration(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "save-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
    {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/quoran.ini";
    {
        std::ofstream out(path, std::ios::binary);
        for (int s = 0; s < state.range(0); ++s)
        {
            out << "[Config" << s << "]\r\n";
            for (int k = 0; k < 53; ++k)
                out << "Key" << k << "=" << (s + k) % 1000 << "\r\n";
        }
    }
    CCfgSheet sheet("QUORAN Configuration Wizard");
    theApp.m_device.modelCode = 6;
    theApp.m_device.extModelCode = 30;
    theParams.BuildCatalogue(&sheet, path);
    int saved = 0;
    for (auto _ : state)
    {
        // A new name each time, so that every key is new and written.
        sheet.m_iniSectionPage.m_strConfigName = "Bench " + std::to_string(++saved);
        benchmark::DoNotOptimize(theParams.SaveAll());
    }
    theParams.RemoveAll();
    std::filesystem::remove_all(folder);
}
} // namespace

BENCHMARK(SaveNewConfiguration)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
