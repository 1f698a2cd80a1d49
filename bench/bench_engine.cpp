#include "engine/DesignResults.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "engine/base/CalculationLog.h"
#include "weapons/WeaponList.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A heavy design: 40 weapon lines with 3 clips of 3 sections each and links,
// 40 perks and flaws, 4 movement systems.
std::unique_ptr<TVehicle> heavyDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Heavy";
    v->Armor = 40;
    v->Crew = 4;
    v->FinalSize = 30;
    v->FireControl = 2;
    v->Maneuver = 1;
    v->SensorRange = 10;
    v->CommRange = 50;
    v->Deployment = 200;

    for (int i = 0; i < 4; ++i) {
        TMovementRecord m;
        m.ModeName = "Mode " + std::to_string(i);
        m.TopSpeed = 60.0 + 15 * i;
        m.StallSpeed = 5.0 * i;
        m.Maneuver = -(i % 2);
        v->Movement->Add(m);
    }

    TWeaponList &weapons = *v->Weapons;
    for (int link = 0; link < 4; ++link)
        weapons.AddLink();
    for (int i = 0; i < 40; ++i) {
        TWeaponRecord r = DefaultWeaponRecord();
        r.Name = "Weapon " + std::to_string(i);
        r.Rating = 20 + i;
        r.AccMod = i % 3 - 1;
        r.PoorWorkmanship = i % 2;
        r.Arc = i % 18;
        r.NumberOfItems = 1 + i % 3;
        r.AmmoBaseCost = 0.05 * (1 + i % 4);
        r.MinSize = 1 + i % 9;
        r.SniperSystem = i % 5 == 0;
        r.Stabilized = i % 7 == 0;
        const int w = weapons.AddRecord(r);
        TWeapon &weapon = weapons.Get(w);
        weapon.Links.Set(i % 4, true);
        for (int c = 0; c < 3; ++c) {
            TClip clip;
            clip.ClipCount = 1 + c;
            clip.Shielded = c == 2;
            for (int s = 0; s < 3; ++s) {
                TAmmoSection section = ClearAmmoSection();
                section.Amount = 10 + 5 * s;
                section.Selected[static_cast<size_t>((i + s) % kAmmoTypeCount)] = true;
                clip.AddSection(section);
            }
            if (c == 0)
                weapon.Clips.Set(0, clip);
            else
                weapon.Clips.Add(clip);
        }
    }

    for (int i = 0; i < 40; ++i) {
        TPerkRecord p;
        p.PFDName = "Entry " + std::to_string(i);
        p.WorthFormula = i % 13;
        p.RatingValue = 1 + i % 4;
        p.X = 0.5 * (i % 5);
        p.Y = 1 + i % 3;
        p.Z = i % 4;
        p.Amount = 1 + i % 2;
        p.OTVFormula = i % 12;
        p.InsideOTV = i % 4 == 1;
        p.OutsideOTV = i % 4 == 2;
        p.CostValue = 100.0 * i;
        if (i % 2 == 0) {
            v->Perks->Add(p);
        } else {
            p.IsFlaw = true;
            p.X = -p.X;
            v->Flaws->Add(p);
        }
    }
    ComputeResults(*v); // settle the constraint pass once
    return v;
}

void BM_ResultsRefreshLogOff(benchmark::State &state)
{
    auto v = heavyDesign();
    for (auto _ : state) {
        TDesignResults r = ComputeResults(*v);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ResultsRefreshLogOff)->Unit(benchmark::kMicrosecond);

void BM_ResultsRefreshLogOn(benchmark::State &state)
{
    auto v = heavyDesign();
    TLogLines lines;
    for (auto _ : state) {
        lines.clear();
        ScopedCalculationLog log(lines);
        TDesignResults r = ComputeResults(*v);
        benchmark::DoNotOptimize(r);
    }
    state.counters["log_lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_ResultsRefreshLogOn)->Unit(benchmark::kMicrosecond);

} // namespace
