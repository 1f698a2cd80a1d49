// The record-sheet JPEG export: decompress the layout block, draw the sheet, encode the JPEG.

#include "engine/base/Files.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "storage/codec/LzhCompressor.h"
#include "tests/output/SheetTestJob.h"

#include <benchmark/benchmark.h>

namespace {

// The sheet tests' full design, its tables filled to the sheet's last row.
TPrintJob FullJob()
{
    TPrintJob job = sheettest::FullSheetJob();
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
    TSheetRenderContext context;
    const std::vector<uint8_t> container = CompressBytes(ReadWholeFile(AW_SHEET_LAYOUT_BLOCK));
    const TPrintJob job = FullJob();
    size_t jpegBytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> block = DecompressBytes(container);
        const QImage sheet = BuildSheetImageFromLayout(job, block);
        const std::vector<uint8_t> jpeg = EncodeJpeg(sheet);
        jpegBytes = jpeg.size();
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["jpeg_bytes"] = static_cast<double>(jpegBytes);
}
BENCHMARK(BM_RecordSheetJpeg)->Unit(benchmark::kMillisecond);

} // namespace
