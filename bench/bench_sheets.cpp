// Text and HTML sheets of a full design: template expansion with every section filled.
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "output/HtmlSheet.h"
#include "output/PrintJob.h"
#include "output/SheetExpansion.h"
#include "output/SheetTemplate.h"
#include "tests/support/SampleSheetJobs.h"
#include "weapons/WeaponList.h"

#include <benchmark/benchmark.h>

namespace aw {

namespace {

// The test sheet's design with its lists grown to a heavy load: 40 weapon lines, 20 perks,
// 20 flaws, 6 defects.
PrintJob HeavyJob()
{
    PrintJob job = sheettest::FullSheetJob();
    const PrintJob base = job;
    while (job.Weapons.Count() < 40)
        for (const PrintWeaponRow &row : base.Weapons.Rows())
            job.Weapons.Add(row);
    while (job.Perks.Count() < 20)
        for (const PrintPFDRow &row : base.Perks.Rows())
            job.Perks.Add(row);
    while (job.Flaws.Count() < 20)
        for (const PrintPFDRow &row : base.Flaws.Rows())
            job.Flaws.Add(row);
    while (job.Defects.Count() < 6)
        job.Defects.Add(base.Defects.Get(0));
    job.History = std::string(2000, 'h');
    job.General = std::string(2000, 'g');
    return job;
}

void BM_TextSheet(benchmark::State &state)
{
    const std::string templ = sheettest::TextTemplate();
    const PrintJob job = HeavyJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExpandSheetText(templ, job));
}
BENCHMARK(BM_TextSheet)->Unit(benchmark::kMillisecond);

void BM_HtmlSheet(benchmark::State &state)
{
    const std::string templ = sheettest::HtmlTemplate();
    const PrintJob job = HeavyJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(HtmlSheetText(templ, job));
}
BENCHMARK(BM_HtmlSheet)->Unit(benchmark::kMillisecond);

// The whole export path: the built-in template decompressed, then expanded.
void BM_BuildTextSheet(benchmark::State &state)
{
    const PrintJob job = HeavyJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildTextSheet(job));
}
BENCHMARK(BM_BuildTextSheet)->Unit(benchmark::kMillisecond);

void BM_BuildHtmlSheet(benchmark::State &state)
{
    const PrintJob job = HeavyJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildHtmlSheet(job));
}
BENCHMARK(BM_BuildHtmlSheet)->Unit(benchmark::kMillisecond);

// The print job of a design with 40 weapon lines, 20 perks and flaws and four movement systems.
void BM_MakePrintJob(benchmark::State &state)
{
    Vehicle vehicle;
    vehicle.Name = "Heavy";
    for (int i = 0; i < 4; ++i) {
        MovementRecord movement;
        movement.ModeName = "Mode " + std::to_string(i);
        movement.TopSpeed = 60.0 * (i + 1);
        movement.Maneuver = -(i % 2);
        vehicle.Movement->Add(movement);
    }
    for (int i = 0; i < 40; ++i) {
        WeaponRecord record = DefaultWeaponRecord();
        record.Name = "Weapon " + std::to_string(i);
        record.Code = "W" + std::to_string(i);
        record.Rating = 50 + i;
        record.BaseRange = 3;
        record.Damage = 10;
        vehicle.Weapons->AddRecord(record);
    }
    for (int i = 0; i < 20; ++i) {
        PerkRecord perk;
        perk.PFDName = "Perk " + std::to_string(i);
        perk.EffectText = "+|R| to something";
        perk.ShowRating = true;
        perk.RatingValue = i;
        vehicle.Perks->Add(perk);
        perk.PFDName = "Flaw " + std::to_string(i);
        perk.IsFlaw = true;
        vehicle.Flaws->Add(perk);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MakePrintJob(vehicle));
}
BENCHMARK(BM_MakePrintJob)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace aw
