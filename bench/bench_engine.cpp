#include "base/CalculationLog.h"
#include "engine/DesignResults.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace aw {

namespace {

// The heavy design with its constraint pass settled once.
std::unique_ptr<Vehicle> SettledHeavyDesign()
{
    auto v = HeavyDesign();
    ComputeResults(*v);
    return v;
}

void BM_ResultsRefreshLogOff(benchmark::State &state)
{
    auto v = SettledHeavyDesign();
    for (auto _ : state) {
        DesignResults r = ComputeResults(*v);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ResultsRefreshLogOff)->Unit(benchmark::kMicrosecond);

void BM_ResultsRefreshLogOn(benchmark::State &state)
{
    auto v = SettledHeavyDesign();
    LogLines lines;
    for (auto _ : state) {
        lines.clear();
        ScopedCalculationLog log(lines);
        DesignResults r = ComputeResults(*v);
        benchmark::DoNotOptimize(r);
    }
    state.counters["log_lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_ResultsRefreshLogOn)->Unit(benchmark::kMicrosecond);

// A design carrying thousands of perks, as a generated file can: each entry's worth needs
// the vehicle's crew and actions, which sum every list.
void BM_ResultsWithManyPerks(benchmark::State &state)
{
    auto v = SettledHeavyDesign();
    const PerkRecord perk = v->Perks->Get(0);
    for (int i = 0; i < state.range(0); ++i)
        v->Perks->Add(perk);
    for (auto _ : state) {
        DesignResults r = ComputeResults(*v);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ResultsWithManyPerks)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace aw
