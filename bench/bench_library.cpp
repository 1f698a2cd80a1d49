// The design library over a folder of 10,000 designs: the first scan (every file read and
// summarized on all cores) and a re-scan of the unchanged folder (answered by the cache).
// The folder is written once, before anything is measured: copies of the sample designs
// under varied names in 20 sub-folders. "PeakRSS_MB" is the process's peak resident memory.
#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "storage/DesignScan.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace aw {

namespace {

namespace fs = std::filesystem;

constexpr int kDesignCount = 10000;

void WriteDesigns(const fs::path &folder)
{
    std::vector<std::vector<uint8_t>> files;
    for (const samples::SampleDesign &sample : samples::SampleDesigns()) {
        const fs::path path = folder / "sample.vkd";
        SaveDesignFile(*sample.Design, path.string());
        files.push_back(ReadWholeFile(path.string()));
        fs::remove(path);
    }
    for (int i = 0; i < kDesignCount; ++i) {
        const fs::path group = folder / ("group-" + std::to_string(i % 20));
        fs::create_directories(group);
        std::ofstream out(group / ("design-" + std::to_string(i) + ".vkd"), std::ios::binary);
        const std::vector<uint8_t> &bytes = files[i % files.size()];
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

// The folder of designs, written on first use and removed at exit.
const fs::path &DesignFolder()
{
    static const TempFolder folder;
    static const bool written = (WriteDesigns(folder.Path()), true);
    (void)written;
    return folder.Path();
}

// The peak resident memory of the process so far, in MB (VmHWM).
double PeakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void Report(benchmark::State &state, const DesignScanResult &result)
{
    if (result.Summaries.size() != static_cast<std::size_t>(kDesignCount))
        state.SkipWithError("not every design was listed");
    state.counters["Designs"] = static_cast<double>(result.Summaries.size());
    state.counters["FilesRead"] = static_cast<double>(result.FilesRead);
    state.counters["PeakRSS_MB"] = PeakResidentMegabytes();
}

void BM_FirstScanOfTenThousandDesigns(benchmark::State &state)
{
    const fs::path folder = DesignFolder();
    DesignScanResult result;
    for (auto _ : state) {
        DesignSummaryCache cache;
        result = SummarizeDesignFiles(FindDesignFiles({folder}), cache);
    }
    Report(state, result);
}

void BM_RescanOfTheUnchangedFolder(benchmark::State &state)
{
    const fs::path folder = DesignFolder();
    DesignSummaryCache cache;
    SummarizeDesignFiles(FindDesignFiles({folder}), cache);
    DesignScanResult result;
    for (auto _ : state)
        result = SummarizeDesignFiles(FindDesignFiles({folder}), cache);
    if (result.FilesRead != 0)
        state.SkipWithError("the re-scan read files it had read before");
    Report(state, result);
}

} // namespace

BENCHMARK(BM_FirstScanOfTenThousandDesigns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RescanOfTheUnchangedFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace aw
