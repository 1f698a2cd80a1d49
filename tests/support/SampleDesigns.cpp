#include "SampleDesigns.h"

#include "base/Stream.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/PerkTemplates.h"
#include "weapons/WeaponList.h"

namespace aw {

namespace {

constexpr int AntiLaser = 0;
constexpr int Frag = 4;
constexpr int MassDestruction = 21;

// A weapon with every column of the weapon grid filled.
WeaponRecord FullWeapon(const std::string &name, const std::string &code, int32_t rating, int32_t damage, int32_t items)
{
    WeaponRecord r = WeaponWith(name, rating, items);
    r.Code = code;
    r.Damage = damage;
    r.Accuracy = 1;
    r.BaseRange = 3;
    r.MediumBonus = 1;
    r.LongBonus = 2;
    r.ExtremeBonus = 3;
    r.ROF = 2;
    r.MinSize = 2;
    r.AmmoBaseCost = 0.5;
    r.Arc = 1;
    r.WeaponType = 1;
    return r;
}

// An entry of the given worth formula whose effect text names it.
PerkRecord DescribedEntry(const std::string &name, int32_t formula, double x)
{
    PerkRecord r = PlainEntry(name, x);
    r.WorthFormula = formula;
    r.EffectText = name + " effect |X|";
    return r;
}

} // namespace

// Striker: two weapon lines in one link, a spare clip, inside and outside OTV perks,
// a flaw and two movement systems. The expected TV log is worked out in
// CalculationLogGoldenTest.cpp.
std::unique_ptr<Vehicle> StrikerDesign()
{
    auto v = std::make_unique<Vehicle>();
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

    WeaponRecord gun = WeaponWith("Twin Autogun", 25, 2);
    gun.AccMod = 1;
    gun.PoorWorkmanship = 1;
    gun.Arc = 1; // fixed forward
    gun.AmmoBaseCost = 0.02;
    gun.SniperSystem = true;
    WeaponList &weapons = *v->Weapons;
    const int g = weapons.AddRecord(gun);
    ClipList &gunClips = weapons.Get(g).Clips;
    gunClips.Mutable(0)->AddSection(Rounds(100, {AntiLaser}));
    Clip spare;
    spare.ClipCount = 2;
    spare.AddSection(Rounds(50));
    gunClips.Add(spare);

    WeaponRecord turret = WeaponWith("Turret Lance", -1, 1);
    turret.Arc = 8; // turreted
    turret.AmmoBaseCost = 0.125;
    turret.Stabilized = true;
    const int t = weapons.AddRecord(turret);
    weapons.Get(t).Clips.Mutable(0)->AddSection(Rounds(1));

    weapons.AddLink();
    weapons.Get(g).Links.Set(0, true);
    weapons.Get(t).Links.Set(0, true);

    PerkRecord arm = PlainEntry("Battle Arm", 3);
    arm.RatingValue = 4;
    arm.OTVFormula = 8; // (rating x 0.5)^2
    arm.OffersInside = true;
    arm.InsideOTV = true;
    v->Perks->Add(arm);
    PerkRecord port = PlainEntry("Gun Port", 6, 2);
    port.OTVFormula = 5; // X
    port.OffersOutside = true;
    port.OutsideOTV = true;
    v->Perks->Add(port);

    PerkRecord annoyance = PlainEntry("Annoyance", 0);
    annoyance.IsFlaw = true;
    annoyance.WorthFormula = 2; // -0.2
    v->Flaws->Add(annoyance);
    return v;
}

// Hammer: mass-destruction ammunition, one flying system stalling above a third of its
// speed, a weapon larger than the final size, and too little armour and crew, so the
// constraint pass runs two cycles.
std::unique_ptr<Vehicle> HammerDesign()
{
    auto v = std::make_unique<Vehicle>();
    v->Name = "Hammer";
    v->Armor = 3;
    v->Crew = 0;
    v->FinalSize = 4;
    v->ProductionType = 5; // mass produced, 0.5x
    v->CurrencyMultiplier = 1.5;
    v->CurrencyName = "Cr";
    v->Movement->Add(MovementSystem("Flight", 100, 40, 0, true));

    WeaponRecord lance = WeaponWith("Rocket Lance", 30);
    lance.MinSize = 8;
    lance.AmmoBaseCost = 2;
    lance.Sporting = true;
    const int w = v->Weapons->AddRecord(lance);
    v->Weapons->Get(w).Clips.Mutable(0)->AddSection(Rounds(3, {MassDestruction}));

    PerkRecord sensors = PlainEntry("Scoring Sensors", 1.5);
    sensors.WorthFormula = 3; // rating x X + Y x Z
    sensors.RatingValue = 2;
    sensors.CostValue = 5000;
    v->Perks->Add(sensors);

    PerkRecord weakness;
    weakness.PFDName = "Structural Weakness";
    weakness.WorthFormula = -5;
    weakness.IsFlaw = true;
    v->Defects->Add(weakness);
    return v;
}

// Carriage Gun: a carriage (weapons need 5 less size) with three movement systems, two
// of equal top speed, fire control outside the table, a shielded spare clip, a custom
// production type and people carried by a perk instead of crew.
std::unique_ptr<Vehicle> CarriageGunDesign()
{
    auto v = std::make_unique<Vehicle>();
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

    WeaponList &weapons = *v->Weapons;
    WeaponRecord gun = WeaponWith("Field Gun", 40);
    gun.MinSize = 9;
    gun.AmmoBaseCost = 1.5;
    gun.BaseAmmo.Allowed[Frag] = true;
    const int g = weapons.AddRecord(gun);
    weapons.Get(g).Clips.Mutable(0)->AddSection(Rounds(2));
    Clip spare;
    spare.Shielded = true;
    spare.AddSection(Rounds(5, {Frag}));
    weapons.Get(g).Clips.Add(spare);

    WeaponRecord mg = WeaponWith("Spotter MG", 5, 3);
    mg.MinSize = 2;
    mg.AccMod = -1;
    mg.Arc = 5; // fixed right
    mg.Sporting = true;
    weapons.AddRecord(mg);

    weapons.AddLink();
    weapons.Get(g).Links.Set(0, true);

    PerkRecord seats = PlainEntry("Passenger Seating", 4);
    seats.WorthFormula = 4; // square root of (rating x X + Y x Z)
    seats.RatingValue = 4;
    seats.RatingIsPeople = true;
    v->Perks->Add(seats);
    PerkRecord ram = PlainEntry("Ram Plate", 2);
    ram.OTVFormula = 0;
    ram.OTVValueA = 7.5;
    ram.OutsideOTV = true;
    ram.Y = 2;
    ram.CostValue = 250;
    v->Perks->Add(ram);

    PerkRecord weakPoint = PlainEntry("Weak Point", -1.5);
    weakPoint.IsFlaw = true;
    weakPoint.RoundMode = 2; // truncate
    v->Flaws->Add(weakPoint);

    PerkRecord mount = PlainEntry("Glitchy Mount", 0);
    mount.IsFlaw = true;
    mount.OTVFormula = 6; // Y
    mount.Y = 3;
    mount.InsideOTV = true;
    mount.CostValue = 100;
    v->Defects->Add(mount);
    return v;
}

std::unique_ptr<Vehicle> FullDesign()
{
    auto v = std::make_unique<Vehicle>();
    v->Name = "Sch\xFCtze \x80 \"Mk II\"";
    v->VehicleType = "Tank";
    v->VehicleUse = "Assualt";
    v->Height = "3.2";
    v->Length = "7,5";
    v->Width = "3";
    v->CombatMass = "42000";
    v->EngineType = "Diesel";
    v->EngineOutput = "1500 hp";
    v->ArmorMaterial = "Chobam";
    v->ArmorThickness = std::string(250, 'x'); // a text at its full width
    v->NumberOnField = "12";
    v->Manufacturer = "Ga\xDF & S\xF6hne";
    v->Affiliation = "<Other>";
    v->Availability = 7;
    v->Crew = 3;
    v->Armor = 12;
    v->SensorRating = -2;
    v->CommRating = 1;
    v->FireControl = 2;
    v->Deployment = 300;
    v->FinalSize = 6;
    v->SizeType = SizeTypeNormal;
    v->Maneuver = -1;
    v->ProductionType = 7;
    v->CustomProduction.CustomName = "Field Refit";
    v->CustomProduction.CustomDefinition = "Rebuilt in the field";
    v->CustomProduction.CustomModelDice = 2;
    v->CustomProduction.CustomIndivDice = 4;
    v->CustomProduction.CustomCostMultiplier = 0.75;
    v->Picture = TinyBitmap(5, 3);
    v->SensorRange = 12.5;
    v->CommRange = 0.1; // not exact in binary: must come back to the last bit
    v->CurrencyMultiplier = 1.5;
    v->CurrencyName = "Cr\xE9"
                      "dits";
    v->Description = "Line one\r\nLine \"two\"\twith a tab";
    v->History = "Built in \x85 some year";
    v->Extra = "";

    v->Movement->Add(MovementSystem("Ground", 60, 0, 0, false, 2));
    v->Movement->Add(MovementSystem("Flight", 300, 60, -1, true, 7));
    v->Movement->Add(MovementSystem("Sky Sled", 90.5, 12, -2, false, 0));

    PerkRecord perk;
    perk.PFDName = "Ammo Storage";
    perk.RoundMode = 1;
    perk.WorthFormula = 3;
    perk.Y = 35;
    perk.Z = 0.1;
    perk.HasAmount = true;
    perk.Amount = 2;
    perk.EffectText = "Holds |Y| rounds at |LOC|";
    perk.HasLocation = 1;
    perk.Location = 2;
    perk.EntryId = 7;
    v->Perks->Add(perk);
    PerkRecord punch;
    punch.PFDName = "Battle Arm";
    punch.OTVFormula = 8;
    punch.RatingValue = 4;
    punch.ShowRating = true;
    punch.OffersInside = true;
    punch.InsideOTV = true;
    punch.InsideLabel = "Can Punch";
    punch.CostValue = 2500;
    punch.ManeuverMod = -1;
    punch.SpeedMod = 2;
    punch.Arc = 5;
    punch.HasArc = true;
    v->Perks->Add(punch);
    PerkRecord flaw;
    flaw.PFDName = "Annoyance";
    flaw.IsFlaw = true;
    flaw.WorthFormula = 2;
    v->Flaws->Add(flaw);
    PerkRecord defect;
    defect.PFDName = "Minor Flaw";
    defect.WorthFormula = -2;
    defect.Variant = 3;
    defect.IsFlaw = true;
    v->Defects->Add(defect);

    Weapon gun(FullWeapon("Autocannon", "AC", 20, 4, 2));
    gun.Data.BaseAmmo = Rounds(30, {0, 4}, {4});
    gun.Clips.Mutable(0)->SetSection(0, Rounds(20, {0}));
    gun.Clips.Mutable(0)->AddSection(Rounds(10, {4, 21}));
    Clip spare;
    spare.ClipCount = 3;
    spare.AddSection(Rounds(15, {4}));
    gun.Clips.Add(spare);
    v->Weapons->Add(gun);
    v->Weapons->AddLink();
    v->Weapons->AddRecord(FullWeapon("Rocket Pod", "RP", 15, 6, 1));
    v->Weapons->AddLink();
    Weapon laser(FullWeapon("Pulse Laser \x96 L", "PL", 25, 5, 1));
    laser.Data.Guided = true;
    laser.Data.Stabilized = true;
    laser.Data.AccMod = 1;
    laser.Data.PoorWorkmanship = 1;
    laser.Clips.Mutable(0)->AddSection(Rounds(8, {2}));
    v->Weapons->Add(laser);
    v->Weapons->Get(0).Links.Set(0, true);
    v->Weapons->Get(2).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(1, true);
    return v;
}

std::unique_ptr<Vehicle> SmallDesign(const std::string &name, int32_t armor)
{
    auto v = std::make_unique<Vehicle>();
    v->Name = name;
    v->Armor = armor;
    v->Crew = 2;
    v->FinalSize = 4;
    v->FireControl = 1;
    v->ProductionType = 3;
    v->CurrencyName = "Cr";
    v->Movement->Add(MovementSystem("Ground", 72, 0, 0, false, 2));
    v->Weapons->AddRecord(FullWeapon("Heavy MG", "HMG", 12, 3, 1));
    return v;
}

std::unique_ptr<Vehicle> GrizzlyDesign()
{
    auto v = std::make_unique<Vehicle>();
    v->Name = "Grizzly Mk II";
    v->VehicleType = "Tank";
    v->VehicleUse = "Assault";
    v->Height = "3.1";
    v->Length = "7.5";
    v->Width = "3.3";
    v->CombatMass = "42000";
    v->EngineType = "Diesel";
    v->EngineOutput = "1100 kW";
    v->ArmorMaterial = "Ceramic composite";
    v->ArmorThickness = "120 mm";
    v->NumberOnField = "12";
    v->Manufacturer = "Ursine Works";
    v->Affiliation = std::string(250, 'A');
    v->Availability = 3;
    v->Crew = 3;
    v->Armor = 24;
    v->SensorRating = -1;
    v->CommRating = 2;
    v->FireControl = 1;
    v->Deployment = 500;
    v->FinalSize = 9;
    v->SizeType = SizeTypeCarriage;
    v->Maneuver = -2;
    v->ProductionType = 7;
    v->CustomProduction.CustomModelDice = -1;
    v->CustomProduction.CustomIndivDice = 4;
    v->CustomProduction.CustomCostMultiplier = 2.5;
    v->Picture = TinyBitmap(2, 2);
    v->SensorRange = 4.5;
    v->CommRange = 20;
    v->CurrencyMultiplier = 0.75;
    v->CurrencyName = "Crowns";
    v->Movement->Add(MovementSystem("Ground", 72, 0, 0, false, 2));
    v->Movement->Add(MovementSystem("Hover", 90, 0, -1, false, 2));
    v->Movement->Add(MovementSystem("Flight", 600, 150, -2, true, 2));
    v->Description = "First line\r\nSecond line";
    v->History = "";
    v->Extra = std::string("with \xE9 and \0 inside", 19);
    v->Perks->Add(DescribedEntry("Ablative Armor", 3, 0.5));
    PerkRecord arm = DescribedEntry("Battle Arm", 0, 1);
    arm.Amount = 2;
    arm.InsideOTV = true;
    arm.OTVFormula = 8;
    v->Perks->Add(arm);
    v->Flaws->Add(DescribedEntry("Weak Point", 0, -1));
    v->Defects->Add(DefectTemplates()[0]);
    PerkRecord minor = DefectTemplates()[4];
    minor.Variant = 3;
    v->Defects->Add(minor);

    WeaponRecord gun = DefaultWeaponRecord();
    gun.Name = "Heavy Gauss Cannon";
    gun.Code = "HGC";
    gun.Rating = 30;
    gun.AmmoBaseCost = 0.05;
    WeaponRecord rockets = DefaultWeaponRecord();
    rockets.Name = "Light Rocket Pack/16";
    rockets.Code = "LRP/16";
    v->Weapons->AddRecord(gun);
    v->Weapons->AddRecord(rockets);
    Weapon &first = v->Weapons->Get(0);
    first.Clips.Mutable(0)->AddSection(Rounds(20, {1}));
    first.Clips.Mutable(0)->AddSection(Rounds(10, {3}));
    Clip spare;
    spare.ClipCount = 3;
    spare.AddSection(Rounds(30, {2}));
    first.Clips.Add(spare);
    v->Weapons->AddLink();
    v->Weapons->AddLink();
    v->Weapons->Get(0).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(0, true);
    v->Weapons->Get(1).Links.Set(1, true);
    return v;
}

std::unique_ptr<Vehicle> HeavyDesign()
{
    auto v = std::make_unique<Vehicle>();
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
        MovementRecord m;
        m.ModeName = "Mode " + std::to_string(i);
        m.TopSpeed = 60.0 + 15 * i;
        m.StallSpeed = 5.0 * i;
        m.Maneuver = -(i % 2);
        v->Movement->Add(m);
    }

    WeaponList &weapons = *v->Weapons;
    for (int link = 0; link < 4; ++link)
        weapons.AddLink();
    for (int i = 0; i < 40; ++i) {
        WeaponRecord r = WeaponWith("Weapon " + std::to_string(i), 20 + i, 1 + i % 3);
        r.AccMod = i % 3 - 1;
        r.PoorWorkmanship = i % 2;
        r.Arc = i % 18;
        r.AmmoBaseCost = 0.05 * (1 + i % 4);
        r.MinSize = 1 + i % 9;
        r.SniperSystem = i % 5 == 0;
        r.Stabilized = i % 7 == 0;
        const int w = weapons.AddRecord(r);
        Weapon &weapon = weapons.Get(w);
        weapon.Links.Set(i % 4, true);
        for (int c = 0; c < 3; ++c) {
            Clip clip;
            clip.ClipCount = 1 + c;
            clip.Shielded = c == 2;
            for (int s = 0; s < 3; ++s) {
                AmmoSection section = ClearAmmoSection();
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
        PerkRecord p = PlainEntry("Entry " + std::to_string(i), 0.5 * (i % 5), 1 + i % 2);
        p.WorthFormula = i % 13;
        p.RatingValue = 1 + i % 4;
        p.Y = 1 + i % 3;
        p.Z = i % 4;
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
    return v;
}

} // namespace aw
