// The record-sheet JPEG export: decompress the layout block, draw the sheet, encode the JPEG.

#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "tests/support/SampleSheetJobs.h"

#include <benchmark/benchmark.h>

namespace aw {

namespace {

// A folder without override files: the built-in block is decompressed on every export.
const std::string kNoFolder = "/nonexistent-armorwright-folder/";

// One application object for the whole run (fonts need it), never destroyed.
void Fonts()
{
    static SheetRenderContext *context = new SheetRenderContext;
    (void)context;
}

// The sheet tests' full design, its tables filled to the sheet's last row.
PrintJob FullJob()
{
    PrintJob job = sheettest::FullSheetJob();
    while (job.Weapons.Count() < 10)
        job.Weapons.Add(job.Weapons.Get(0));
    while (job.Perks.Count() < 11)
        job.Perks.Add(job.Perks.Get(0));
    while (job.Flaws.Count() < 5)
        job.Flaws.Add(job.Flaws.Get(0));
    while (job.Defects.Count() < 3)
        job.Defects.Add(job.Defects.Get(0));
    return job;
}

void BM_RecordSheetJpeg(benchmark::State &state)
{
    Fonts();
    const PrintJob job = FullJob();
    size_t jpegBytes = 0;
    for (auto _ : state) {
        const QImage sheet =
            BuildSheetImage(job, static_cast<int>(SheetLayoutChoice::Image), SheetFormats(), kNoFolder);
        const std::vector<uint8_t> jpeg = EncodeJpeg(sheet);
        jpegBytes = jpeg.size();
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["jpeg_bytes"] = static_cast<double>(jpegBytes);
}
BENCHMARK(BM_RecordSheetJpeg)->Unit(benchmark::kMillisecond);

// The three steps on their own.
void BM_SheetLayoutDecompress(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetLayoutBlock(static_cast<int>(SheetLayoutChoice::Image), kNoFolder).data());
}
BENCHMARK(BM_SheetLayoutDecompress)->Unit(benchmark::kMillisecond);

void BM_SheetDraw(benchmark::State &state)
{
    Fonts();
    const std::vector<uint8_t> block = SheetLayoutBlock(static_cast<int>(SheetLayoutChoice::Image), kNoFolder);
    const PrintJob job = FullJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSheetImageFromLayout(job, block).constBits());
}
BENCHMARK(BM_SheetDraw)->Unit(benchmark::kMillisecond);

void BM_SheetJpegEncode(benchmark::State &state)
{
    Fonts();
    const QImage sheet =
        BuildSheetImage(FullJob(), static_cast<int>(SheetLayoutChoice::Image), SheetFormats(), kNoFolder);
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeJpeg(sheet).data());
}
BENCHMARK(BM_SheetJpegEncode)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace aw
