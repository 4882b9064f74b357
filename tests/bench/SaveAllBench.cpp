// Saving one whole configuration (every parameter of the catalogue written to the profile) into
// a profile that already holds 10 or 100 configurations: the time the save page keeps the user
// waiting after Next.
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "tests/bench/BenchProfile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
void SaveNewConfiguration(benchmark::State& state)
{
    const BenchProfile profile(static_cast<int>(state.range(0)));
    CCfgSheet sheet("QUORAN Configuration Wizard");
    theApp.m_device.modelCode = 6;
    theApp.m_device.extModelCode = 30;
    sheet.BuildCatalogue(profile.Path());
    int saved = 0;
    for (auto _ : state)
    {
        // A new name each time, so that every key is new and written.
        sheet.m_iniSectionPage.m_strConfigName = "Bench " + std::to_string(++saved);
        benchmark::DoNotOptimize(theParams.SaveAll());
    }
    theParams.RemoveAll();
}
} // namespace

BENCHMARK(SaveNewConfiguration)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
