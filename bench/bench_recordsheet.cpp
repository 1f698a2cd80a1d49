// The record-sheet JPEG export: decompress the layout block, draw the sheet, encode the JPEG.

#include "engine/base/Files.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "storage/codec/LzhCompressor.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

TPrintJob FullJob()
{
    TPrintJob job;
    job.Name = "Hunter Mk. II Heavy Tank";
    job.Armor = 37;
    job.Size = 12;
    job.Crew = 3;
    job.BonusActions = 1;
    job.Maneuver = -2;
    job.SensorRating = 1;
    job.SensorRange = 2.5;
    job.CommRange = 5;
    job.FireControl = 2;
    job.Deployment = 500;
    job.TV = 1234.56;
    job.Cost = "1,234,567.89 Mark";
    job.Movement.Add({"Ground", 6, 3, 0, -2, 90, 45, 0});
    job.Movement.Add({"Hover", 8, 4, 0, -1, 120, 60, 0});
    for (int i = 0; i < 10; ++i) {
        TPrintWeaponRow w;
        w.Name = "Medium Autocannon " + std::to_string(i + 1);
        w.Code = "MAC";
        w.Arc = "F";
        w.ShortRange = 2;
        w.MediumRange = 4;
        w.LongRange = 8;
        w.ExtremeRange = 16;
        w.Damage = 12;
        w.Quantity = 1 + i % 2;
        w.Special = "Armor Piercing";
        w.Ammo = 30;
        w.ROF = "2";
        job.Weapons.Add(w);
    }
    for (int i = 0; i < 11; ++i)
        job.Perks.Add({"Perk " + std::to_string(i + 1), "+2", "An effect text of a typical length for a perk", "", i % 2});
    for (int i = 0; i < 5; ++i)
        job.Flaws.Add({"Flaw " + std::to_string(i + 1), "-1", "An effect text of a typical length", "", 0});
    for (int i = 0; i < 3; ++i)
        job.Defects.Add({"Defect " + std::to_string(i + 1), "-3", "", "", 0});
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
