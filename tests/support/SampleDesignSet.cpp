#include "tests/support/SampleDesigns.h"

#include "base/Stream.h"
#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/PerkTemplates.h"
#include "storage/Libraries.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"
#include "weapons/WeaponList.h"

namespace aw {

namespace samples {

namespace {

// A text of exactly `length` characters using the whole single-byte range except 0.
std::string FilledText(size_t length, uint8_t first)
{
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(1 + (first + i * 7) % 255);
    return text;
}

// Mounts library weapon `index` of `tab` (or the default record when the tab is shorter).
int Mount(BaseVehicle &v, int tab, int index)
{
    WeaponRecord record = BuiltInLibraries().WeaponList(tab).Get(index);
    if (record.Name.empty())
        record = DefaultWeaponRecord();
    return v.Weapons->AddRecord(record);
}

std::unique_ptr<Vehicle> Named(const std::string &name)
{
    auto v = std::make_unique<Vehicle>();
    v->Name = name;
    return v;
}

std::unique_ptr<Vehicle> FullWidthTexts()
{
    auto v = Named(FilledText(BaseVehicle::TextCapacity, 'A'));
    v->VehicleType = "Tank";
    v->VehicleUse = FilledText(BaseVehicle::TextCapacity, 0x80);
    v->Height = "3.2 m";
    v->Length = FilledText(BaseVehicle::TextCapacity, 7);
    v->Width = "\xE9\xE8\xFC";
    v->CombatMass = "42 t";
    v->EngineType = "Diesel";
    v->EngineOutput = FilledText(BaseVehicle::TextCapacity, 200);
    v->ArmorMaterial = "Ceramic";
    v->ArmorThickness = "|";
    v->Manufacturer = "<Unkown>";
    v->Affiliation = "<Other>";
    v->NumberOnField = FilledText(BaseVehicle::TextCapacity, 33);
    v->CurrencyName = FilledText(BaseVehicle::CurrencyNameCapacity, 90);
    v->CurrencyMultiplier = 0.25;
    v->Availability = 3;
    return v;
}

std::unique_ptr<Vehicle> Pictured(int bitCount, int width, int height)
{
    auto v = Named("Picture " + std::to_string(bitCount));
    v->Picture = BitmapFile(width, height, bitCount, static_cast<uint32_t>(bitCount));
    v->Armor = 4;
    v->Movement->Add(MovementSystem("Ground", 80, 0, 0, false));
    return v;
}

std::unique_ptr<Vehicle> MoversDesign()
{
    auto v = Named("Movers");
    const MovementList &library = BuiltInLibraries().Movement;
    for (int i = 0; i < library.Count(); ++i) {
        MovementRecord r = library.Get(i);
        r.TopSpeed = 30.0 * (i + 1);
        r.StallSpeed = r.CanFly ? 10.0 * i : 0.0;
        r.HasStall = r.StallSpeed > 0;
        r.Maneuver = -(i % 3);
        v->Movement->Add(r);
    }
    MovementRecord custom = MovementSystem(FilledText(MovementRecord::ModeNameCapacity, 'a'), 1234.5, 400, -2, true);
    custom.CustomMode = true;
    v->Movement->Add(custom);
    v->Maneuver = -3;
    return v;
}

std::unique_ptr<Vehicle> NotesDesign()
{
    auto v = Named("Notes |NAME|");
    std::string description;
    for (int i = 0; i < 120; ++i)
        description += "Line " + std::to_string(i) + " of the |NAME| description, with |ARMOR| tokens.\r\n";
    v->Description = description;
    v->History = FilledText(3000, 1);
    v->Extra = "\n\r\n|WEAPONS||/WEAPONS||MOV>2|";
    return v;
}

std::unique_ptr<Vehicle> PerkyDesign()
{
    auto v = Named("Perks and flaws");
    const Libraries &libs = BuiltInLibraries();
    for (int i = 0; i < libs.Perks.Count(); i += 9) {
        PerkRecord r = libs.Perks.Get(i);
        r.Amount = 1 + i % 3;
        r.RatingValue = i % 5;
        v->Perks->Add(r);
    }
    for (int i = 0; i < libs.Flaws.Count(); i += 7)
        v->Flaws->Add(libs.Flaws.Get(i));
    for (const PerkRecord &defect : DefectTemplates())
        v->Defects->Add(defect);
    PerkRecord custom = CustomEntryTemplate(PerkKind::Perk);
    custom.PFDName = FilledText(PerkRecord::NameCapacity, 'p');
    custom.EffectText = FilledText(PerkRecord::LongTextCapacity, 12);
    custom.X = 2.5;
    v->Perks->Add(custom);
    v->Crew = 3;
    v->Armor = 8;
    v->FinalSize = 6;
    return v;
}

std::unique_ptr<Vehicle> ArmoryDesign()
{
    auto v = Named("Armory");
    v->FinalSize = 12;
    v->Armor = 14;
    v->Crew = 4;
    v->FireControl = 2;
    for (int tab = 0; tab < 6; ++tab)
        for (int k = 0; k < 2; ++k) {
            const int w = Mount(*v, tab, k * 3);
            Weapon &weapon = v->Weapons->Get(w);
            weapon.Clips.Mutable(0)->AddSection(Rounds(10 + tab, {tab}));
            weapon.Clips.Mutable(0)->AddSection(Rounds(5));
            if (k == 1) {
                Clip spare;
                spare.ClipCount = 1 + tab;
                spare.Shielded = tab % 2 == 0;
                spare.AddSection(Rounds(20, {tab + 6}));
                weapon.Clips.Add(spare);
            }
        }
    v->Weapons->AddLink();
    v->Weapons->AddLink();
    v->Weapons->AddLink();
    for (int i = 0; i < v->Weapons->Count(); ++i)
        v->Weapons->Get(i).Links.Set(i % 3, true);
    return v;
}

std::unique_ptr<Vehicle> CustomProductionDesign()
{
    auto v = Named("Custom production drone");
    v->ProductionType = 7;
    v->CustomProduction.CustomModelDice = -1;
    v->CustomProduction.CustomIndivDice = 4;
    v->CustomProduction.CustomCostMultiplier = 2.75;
    v->SizeType = SizeTypeDrone;
    v->SensorRating = -2;
    v->CommRating = 3;
    v->SensorRange = 12.5;
    v->CommRange = 0.001;
    v->Deployment = 5000;
    v->Maneuver = 4;
    v->FireControl = -5;
    v->Movement->Add(MovementSystem("Flight", 900, 120, -4, true));
    return v;
}

std::unique_ptr<Vehicle> EmplacementDesign()
{
    auto v = Named("Emplacement");
    v->SizeType = SizeTypeEmplacement;
    v->Armor = 40;
    v->FinalSize = 30;
    v->Crew = 12;
    v->ProductionType = 1;
    const int w = Mount(*v, 3, 0);
    Weapon &gun = v->Weapons->Get(w);
    gun.Data.NumberOfItems = 6;
    gun.Data.AccMod = 1;
    gun.Data.DmgMod = -1;
    gun.Data.Arc = 8;
    gun.Data.Stabilized = true;
    gun.Data.SniperSystem = true;
    for (int s = 0; s < 12; ++s)
        gun.Clips.Mutable(0)->AddSection(Rounds(s + 1, {s % 21}));
    return v;
}

std::unique_ptr<Vehicle> EverythingDesign()
{
    auto v = ArmoryDesign();
    v->Name = "Everything";
    v->Picture = BitmapFile(40, 24, 24, 99);
    v->Description = "All at once.\r\nSecond line.";
    v->History = "Built in one test.";
    const Libraries &libs = BuiltInLibraries();
    v->Perks->Add(libs.Perks.Get(0));
    v->Flaws->Add(libs.Flaws.Get(0));
    v->Defects->Add(DefectTemplates().front());
    v->Movement->Add(MovementSystem("Hover", 120, 20, -1, false));
    v->Movement->Add(MovementSystem("Walker", 40, 0, 0, false));
    v->Movement->Add(MovementSystem("Jet", 600, 150, -3, true));
    v->ProductionType = 3;
    return v;
}

std::unique_ptr<Vehicle> CustomWeaponsDesign()
{
    auto v = Named("Custom weapons");
    WeaponRecord odd = DefaultWeaponRecord();
    odd.Name = FilledText(kWeaponNameCapacity, 'w');
    odd.Code = FilledText(kWeaponCodeCapacity, 'c');
    odd.WeaponType = kCustomWeaponType;
    odd.Rating = -1;
    odd.AreaEffect = 3;
    odd.MinSize = 2;
    odd.AmmoBaseCost = 0.5;
    odd.Disposable = true;
    const int w = v->Weapons->AddRecord(odd);
    v->Weapons->Get(w).Clips.Mutable(0)->AddSection(Rounds(1, {20}));
    v->Weapons->AddRecord(DefaultWeaponRecord());
    v->Weapons->AddLink();
    v->Weapons->Get(1).Links.Set(0, true);
    v->FinalSize = 3;
    return v;
}

} // namespace

const Libraries &BuiltInLibraries()
{
    static const Libraries libraries = [] {
        // An empty folder: no override file stands in for a built-in block.
        const TempFolder folder;
        Libraries loaded;
        LoadLibraries(loaded, folder.Folder());
        return loaded;
    }();
    return libraries;
}

std::vector<SampleDesign> SampleDesigns()
{
    std::vector<SampleDesign> designs;
    const auto add = [&](const char *name, std::unique_ptr<Vehicle> v) { designs.push_back({name, std::move(v)}); };
    add("empty", std::make_unique<Vehicle>());
    add("full-width-texts", FullWidthTexts());
    add("picture-1bit", Pictured(1, 33, 17));
    add("picture-8bit", Pictured(8, 21, 13));
    add("picture-24bit", Pictured(24, 30, 20));
    add("movers", MoversDesign());
    add("notes", NotesDesign());
    add("perks", PerkyDesign());
    add("armory", ArmoryDesign());
    add("custom-production", CustomProductionDesign());
    add("emplacement", EmplacementDesign());
    add("custom-weapons", CustomWeaponsDesign());
    add("everything", EverythingDesign());
    return designs;
}

std::vector<uint8_t> Version6Body()
{
    // A version-7 body of a design without weapons ends with the weapon count 0; the
    // older form replaces the mark and appends weapons whose clips carry no clip count.
    auto v = Named("Old file");
    v->Movement->Add(MovementSystem("Ground", 50, 0, 0, false));
    std::vector<uint8_t> body = BodyOf(*v);
    body.resize(body.size() - 4);
    Stream s(std::move(body));
    s.Seek(0);
    s.WriteInt32(kClipCountlessFileVersion);
    s.Seek(s.Size());
    s.WriteInt32(2); // weapons
    for (int tab = 0; tab < 2; ++tab) {
        SaveWeaponRecord(s, BuiltInLibraries().WeaponList(tab).Get(1));
        s.WriteInt32(2); // clips
        for (int clip = 0; clip < 2; ++clip) {
            s.WriteInt32(1); // sections, no clip count before them
            SaveAmmoSection(s, Rounds(7 + clip, {clip}));
        }
        s.WriteInt32(1); // links
        s.WriteUInt8(tab == 0 ? 1 : 0);
    }
    return s.TakeBytes();
}

} // namespace samples

} // namespace aw
