#include "EngineTestDesigns.h"

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "weapons/WeaponList.h"

#include <fstream>
#include <stdexcept>

namespace {

constexpr int AntiLaser = 0;
constexpr int Frag = 4;
constexpr int MassDestruction = 21;

} // namespace

TMovementRecord MovementSystem(const std::string &name, double top, double stall, int32_t maneuver, bool flight)
{
    TMovementRecord r;
    r.ModeName = name;
    r.TopSpeed = top;
    r.StallSpeed = stall;
    r.Maneuver = maneuver;
    r.Flight = flight;
    r.HasStall = stall > 0;
    return r;
}

TWeaponRecord WeaponWith(const std::string &name, int32_t rating, int32_t items)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.Rating = rating;
    r.NumberOfItems = items;
    return r;
}

TAmmoSection Rounds(int32_t amount, std::initializer_list<int> selectedTypes)
{
    TAmmoSection s = ClearAmmoSection();
    s.Amount = amount;
    for (int k : selectedTypes) {
        s.Selected[static_cast<size_t>(k)] = true;
        s.Allowed[static_cast<size_t>(k)] = true;
    }
    return s;
}

TPerkRecord PlainEntry(const std::string &name, double x, int32_t amount)
{
    TPerkRecord r;
    r.PFDName = name;
    r.X = x;
    r.Amount = amount;
    return r;
}

// Striker: two weapon lines in one link, a spare clip, inside and outside OTV perks,
// a flaw and two movement systems. The expected TV log is worked out in
// CalculationLogGoldenTest.cpp.
std::unique_ptr<TVehicle> StrikerDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Striker";
    v->Armor = 10;
    v->Crew = 2;
    v->FinalSize = 10;
    v->FireControl = 1;
    v->Maneuver = -1;
    v->SensorRating = 1;
    v->CommRating = 0;
    v->SensorRange = 4;
    v->CommRange = 20;
    v->Deployment = 100;
    v->ProductionType = 3;

    v->Movement->Add(MovementSystem("Ground", 60));
    v->Movement->Add(MovementSystem("Hover", 90, 6, -1));

    TWeaponRecord gun = WeaponWith("Twin Autogun", 25, 2);
    gun.AccMod = 1;
    gun.PoorWorkmanship = 1;
    gun.Arc = 1; // fixed forward
    gun.AmmoBaseCost = 0.02;
    gun.SniperSystem = true;
    TWeaponList &weapons = *v->Weapons;
    const int g = weapons.AddRecord(gun);
    TClipList &gunClips = weapons.Get(g).Clips;
    gunClips.Mutable(0)->AddSection(Rounds(100, {AntiLaser}));
    TClip spare;
    spare.ClipCount = 2;
    spare.AddSection(Rounds(50));
    gunClips.Add(spare);

    TWeaponRecord turret = WeaponWith("Turret Lance", -1, 1);
    turret.Arc = 8; // turreted
    turret.AmmoBaseCost = 0.125;
    turret.Stabilized = true;
    const int t = weapons.AddRecord(turret);
    weapons.Get(t).Clips.Mutable(0)->AddSection(Rounds(1));

    weapons.AddLink();
    weapons.Get(g).Links.Set(0, true);
    weapons.Get(t).Links.Set(0, true);

    TPerkRecord arm = PlainEntry("Battle Arm", 3);
    arm.RatingValue = 4;
    arm.OTVFormula = 8; // (rating x 0.5)^2
    arm.OffersInside = true;
    arm.InsideOTV = true;
    v->Perks->Add(arm);
    TPerkRecord port = PlainEntry("Gun Port", 6, 2);
    port.OTVFormula = 5; // X
    port.OffersOutside = true;
    port.OutsideOTV = true;
    v->Perks->Add(port);

    TPerkRecord annoyance = PlainEntry("Annoyance", 0);
    annoyance.IsFlaw = true;
    annoyance.WorthFormula = 2; // -0.2
    v->Flaws->Add(annoyance);
    return v;
}

// Hammer: mass-destruction ammunition, one flying system stalling above a third of its
// speed, a weapon larger than the final size, and too little armour and crew, so the
// constraint pass runs two cycles.
std::unique_ptr<TVehicle> HammerDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Hammer";
    v->Armor = 3;
    v->Crew = 0;
    v->FinalSize = 4;
    v->ProductionType = 5; // mass produced, 0.5x
    v->CurrencyMultiplier = 1.5;
    v->CurrencyName = "Cr";
    v->Movement->Add(MovementSystem("Flight", 100, 40, 0, true));

    TWeaponRecord lance = WeaponWith("Rocket Lance", 30);
    lance.MinSize = 8;
    lance.AmmoBaseCost = 2;
    lance.Sporting = true;
    const int w = v->Weapons->AddRecord(lance);
    v->Weapons->Get(w).Clips.Mutable(0)->AddSection(Rounds(3, {MassDestruction}));

    TPerkRecord sensors = PlainEntry("Scoring Sensors", 1.5);
    sensors.WorthFormula = 3; // rating x X + Y x Z
    sensors.RatingValue = 2;
    sensors.CostValue = 5000;
    v->Perks->Add(sensors);

    TPerkRecord weakness;
    weakness.PFDName = "Structural Weakness";
    weakness.WorthFormula = -5;
    weakness.IsFlaw = true;
    v->Defects->Add(weakness);
    return v;
}

// Carriage Gun: a carriage (weapons need 5 less size) with three movement systems, two
// of equal top speed, fire control outside the table, a shielded spare clip, a custom
// production type and people carried by a perk instead of crew.
std::unique_ptr<TVehicle> CarriageGunDesign()
{
    auto v = std::make_unique<TVehicle>();
    v->Name = "Carriage Gun";
    v->SizeType = SizeTypeCarriage;
    v->Armor = 10;
    v->Crew = 0;
    v->FinalSize = 5;
    v->FireControl = 7;
    v->Maneuver = 2;
    v->SensorRating = -1;
    v->CommRating = 2;
    v->Deployment = 50;
    v->ProductionType = 7;
    v->CustomProduction.CustomCostMultiplier = 3;
    v->CustomProduction.CustomModelDice = -1;
    v->CustomProduction.CustomIndivDice = 2;

    v->Movement->Add(MovementSystem("Walker", 30));
    v->Movement->Add(MovementSystem("Hover", 60, 10, -2));
    v->Movement->Add(MovementSystem("Ground", 60, 0, -1));

    TWeaponList &weapons = *v->Weapons;
    TWeaponRecord gun = WeaponWith("Field Gun", 40);
    gun.MinSize = 9;
    gun.AmmoBaseCost = 1.5;
    gun.BaseAmmo.Allowed[Frag] = true;
    const int g = weapons.AddRecord(gun);
    weapons.Get(g).Clips.Mutable(0)->AddSection(Rounds(2));
    TClip spare;
    spare.Shielded = true;
    spare.AddSection(Rounds(5, {Frag}));
    weapons.Get(g).Clips.Add(spare);

    TWeaponRecord mg = WeaponWith("Spotter MG", 5, 3);
    mg.MinSize = 2;
    mg.AccMod = -1;
    mg.Arc = 5; // fixed right
    mg.Sporting = true;
    weapons.AddRecord(mg);

    weapons.AddLink();
    weapons.Get(g).Links.Set(0, true);

    TPerkRecord seats = PlainEntry("Passenger Seating", 4);
    seats.WorthFormula = 4; // square root of (rating x X + Y x Z)
    seats.RatingValue = 4;
    seats.RatingIsPeople = true;
    v->Perks->Add(seats);
    TPerkRecord ram = PlainEntry("Ram Plate", 2);
    ram.OTVFormula = 0;
    ram.OTVValueA = 7.5;
    ram.OutsideOTV = true;
    ram.Y = 2;
    ram.CostValue = 250;
    v->Perks->Add(ram);

    TPerkRecord weakPoint = PlainEntry("Weak Point", -1.5);
    weakPoint.IsFlaw = true;
    weakPoint.RoundMode = 2; // truncate
    v->Flaws->Add(weakPoint);

    TPerkRecord mount = PlainEntry("Glitchy Mount", 0);
    mount.IsFlaw = true;
    mount.OTVFormula = 6; // Y
    mount.Y = 3;
    mount.InsideOTV = true;
    mount.CostValue = 100;
    v->Defects->Add(mount);
    return v;
}

std::vector<std::string> ReadTestLines(const std::string &relativePath)
{
    const std::string path = std::string(AW_TEST_DATA_DIR) + "/" + relativePath;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
