#include "base/CalculationLog.h"
#include "engine/DesignResults.h"
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

} // namespace

} // namespace aw
