#include "tests/storage/LibraryDataTables.h"
#include "tools/datagen/AmmoProfiles.h"
#include "tools/datagen/DataGenError.h"
#include "tools/datagen/WeaponTable.h"
#include "weapons/AmmoTypes.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <utility>

namespace aw {

namespace {

const WeaponRecord &ByCode(const std::string &code)
{
    for (const WeaponRecord &r : Library().Weapons) {
        if (r.Code == code)
            return r;
    }
    throw std::runtime_error("no weapon " + code);
}

int AmmoIndex(const char *code) { return AmmoProfiles::CodeIndex(code); }

using NameList = std::vector<std::pair<std::string, std::string>>; // code, name

// The library tabs as the program lists them, in order.
const std::vector<NameList> &ExpectedTabs()
{
    static const std::vector<NameList> tabs = {
        {{"VLMG", "Very Light Machine Gun"},
         {"LMG", "Light Machine Gun"},
         {"HMG", "Heavy Machine Gun"},
         {"FGC", "Fragmentation Cannon"},
         {"VLRF", "Very Light Rifle"},
         {"LRF", "Light Rifle"},
         {"MRF", "Medium Rifle"},
         {"HRF", "Heavy Rifle"},
         {"DPG", "Deployable Pack Gun"},
         {"LAAC", "Light Anti-Air. Cannon"},
         {"MAAC", "Medium Anti-Air. Cannon"},
         {"HAAC", "Heavy Anti-Air Cannon"},
         {"VLAC", "Very Light Autocannon"},
         {"LAC", "Light Autocannon"},
         {"MAC", "Medium Autocannon"},
         {"HAC", "Heavy Autocannon"},
         {"VHAC", "Very Heavy Autocannon"},
         {"VLFG", "Very Light Field Gun"},
         {"LFG", "Light Field Gun"},
         {"HFG", "Heavy Field Gun"},
         {"VHFG", "Very Heavy Field Gun"},
         {"SC", "Snub Cannon"}},
        {{"VLRP/8", "Very Light Rocket Pack/8"},
         {"VLRP/32", "Very Light Rocket Pack/32"},
         {"VLRP/128", "Very Light Rocket Pack/128"},
         {"LRP/8", "Light Rocket Pack/8"},
         {"LRP/16", "Light Rocket Pack/16"},
         {"LRP/24", "Light Rocket Pack/24"},
         {"LRP/32", "Light Rocket Pack/32"},
         {"MRP/9", "Medium Rocket Pack/9"},
         {"MRP/18", "Medium Rocket Pack/18"},
         {"MRP/36", "Medium Rocket Pack/36"},
         {"IRP/10", "Incendiary Rocket Pack/10"},
         {"IRP/20", "Incendiary Rocket Pack/20"},
         {"IRP/30", "Incendiary Rocket Pack/30"},
         {"HRP/24", "Heavy Rocket Pack/24"},
         {"HRP/48", "Heavy Rocket Pack/48"},
         {"HIRP/24", "Heavy Incendiary Rocket Pack/24"},
         {"HIRP/48", "Heavy Incendiary Rocket Pack/48"},
         {"AAM", "Anti-Aircraft Missile"},
         {"ABM", "Airburst Missile"},
         {"AGM", "Anti-Ground Vehicle Missile"},
         {"ATM", "Anti-Tank Missile"},
         {"HATM", "Heavy Anti-Tank Missile"}},
        {{"LPZ", "Light Panzerfaust"},
         {"MPZ", "Medium Panzerfaust"},
         {"HPZ", "Heavy Panzerfaust"},
         {"RFB", "Rapid-Fire Bazooka"},
         {"LBZK", "Light Bazooka"},
         {"MBZK", "Medium Bazooka"},
         {"HBZK", "Heavy Bazooka"}},
        {{"LAG", "Light Artillery Gun"},
         {"LFL", "Light Flamer"},
         {"MLF", "Medium Flamer"},
         {"HFL", "Heavy Flamer"},
         {"APM", "Anti-Personnel Mortar"},
         {"LGM", "Light Guided Mortar"},
         {"HGM", "Heavy Guided Mortar"},
         {"LFM", "Light Field Mortar"},
         {"MFM", "Medium Field Mortar"},
         {"HFM", "Heavy Field Mortar"},
         {"APGL", "Anti-Personnel Grenade Launcher"},
         {"LGL", "Light Grenade Launcher"},
         {"HGL", "Heavy Grenade Launcher"},
         {"CB", "Cluster Bomb Rack"},
         {"DCL", "Detonation Cord Launcher"},
         {"FAB", "Fuel-Air Bomb"},
         {"HAG", "Heavy Artillery Gun"},
         {"HAM", "Heavy Artillery Missile"},
         {"HB", "Heavy Bomb Rack"},
         {"HCB", "Heavy Cluster Rack"},
         {"LAM", "Light Artillery Missile"},
         {"LB", "Light Bomb Rack"},
         {"MAA", "Mine, Anti-Armor"},
         {"MAG", "Medium Artillery Gun"},
         {"MAM", "Medium Artillery Missile"},
         {"MAP", "Mine, Anti-Personnel"},
         {"MB", "Medium Bomb Rack"},
         {"MGP", "Mine, General Purpose"},
         {"MHAA", "Mine, Heavy Anti-Armor"},
         {"MHGP", "Mine, Heavy GP"},
         {"MIAP", "Mine, Improved AP"},
         {"VHAG", "Very Heavy Artillery Cannon"},
         {"VHAM", "Very Heavy Artillery Missile"}},
        {{"LPA", "Light Particle Accelerator"},
         {"HPA", "Heavy Particle Accelerator"},
         {"LRG", "Light Railgun"},
         {"HRG", "Heavy Railgun"},
         {"SLC", "Sniper Laser Cannon"},
         {"HGLC", "Gatling Laser Cannon"},
         {"LLC", "Light Laser Cannon"},
         {"HLC", "Heavy Laser Cannon"},
         {"LPLC", "Light Pulse Laser Cannon"},
         {"HPLC", "Heavy Pulse Laser Cannon"}},
        {{"CR", "Chassis Reinforcement"},
         {"MF", "Mauler Fist"},
         {"HWP", "Haywire Whip"},
         {"CS", "Chain Sword"},
         {"VB", "Vibroblade"},
         {"VR", "Vibrorapier"},
         {"VA", "Vibroax"},
         {"SKG", "Spike Gun"},
         {"HSKG", "Heavy Spike Gun"},
         {"HWG", "Haywire Grenade"},
         {"HG", "Hand Grenade"},
         {"HHG", "Heavy Grenade"},
         {"SDG", "Self-Destruct Grenade"},
         {"DC", "Digging Cannon"},
         {"ELN", "Explosive Lance"},
         {"HLN", "Heavy Lance"},
         {"HWLN", "Haywire Lance"},
         {"LN", "Lance"},
         {"MC", "Mace"},
         {"MS", "Morningstar"},
         {"NG", "Net Gun"},
         {"PP", "Piston Punch"},
         {"VC", "Vibro Claws"},
         {"WP", "Whip"}},
    };
    return tabs;
}

} // namespace

TEST(LibraryDataWeapons, EachTabHoldsItsWeaponsInLibraryOrder)
{
    const auto &weapons = Library().Weapons;
    ASSERT_EQ(weapons.size(), 118u);
    size_t at = 0;
    for (size_t type = 0; type < ExpectedTabs().size(); ++type) {
        for (const auto &[code, name] : ExpectedTabs()[type]) {
            ASSERT_LT(at, weapons.size());
            EXPECT_EQ(weapons[at].Code, code) << "entry " << at;
            EXPECT_EQ(weapons[at].Name, name) << "entry " << at;
            EXPECT_EQ(weapons[at].WeaponType, static_cast<int32_t>(type)) << code;
            ++at;
        }
    }
    EXPECT_EQ(at, weapons.size());
}

TEST(LibraryDataWeapons, TabCountsAndNoCustomWeapons)
{
    std::map<int32_t, int> perType;
    for (const WeaponRecord &r : Library().Weapons)
        ++perType[r.WeaponType];
    EXPECT_EQ(perType[0], 22);
    EXPECT_EQ(perType[1], 22);
    EXPECT_EQ(perType[2], 7);
    EXPECT_EQ(perType[3], 33);
    EXPECT_EQ(perType[4], 10);
    EXPECT_EQ(perType[5], 24);
    EXPECT_EQ(perType.count(kCustomWeaponType), 0u);
}

namespace {

struct TellingRow {
    const char *Code;
    const char *Name;
    int Rating, Range, Med, Long, Ext, Dmg, Acc, ROF, MinSize, AE, MR, DpRB, Type;
    double Ammo;
};

void ExpectTellingRow(const TellingRow &t)
{
    SCOPED_TRACE(t.Code);
    const WeaponRecord &r = ByCode(t.Code);
    EXPECT_EQ(r.Name, t.Name);
    EXPECT_EQ(r.Rating, t.Rating);
    EXPECT_EQ(r.BaseRange, t.Range);
    EXPECT_EQ(r.MediumBonus, t.Med);
    EXPECT_EQ(r.LongBonus, t.Long);
    EXPECT_EQ(r.ExtremeBonus, t.Ext);
    EXPECT_EQ(r.Damage, t.Dmg);
    EXPECT_EQ(r.Accuracy, t.Acc);
    EXPECT_EQ(r.ROF, t.ROF);
    EXPECT_EQ(r.MinSize, t.MinSize);
    EXPECT_EQ(r.AreaEffect, t.AE);
    EXPECT_EQ(r.MinimumRange, t.MR);
    EXPECT_EQ(r.DamagePerRB, t.DpRB);
    EXPECT_EQ(r.WeaponType, t.Type);
    EXPECT_DOUBLE_EQ(r.AmmoBaseCost, t.Ammo);
    // A library weapon is one unmodified item firing forward.
    EXPECT_EQ(r.NumberOfItems, 1);
    EXPECT_EQ(r.Arc, 0);
    EXPECT_EQ(r.AccMod | r.DmgMod | r.RangeMod | r.ROFMod | r.SizeMod | r.PoorWorkmanship, 0);
}

std::vector<std::string> SetFlags(const WeaponRecord &r)
{
    const std::pair<bool, const char *> flags[] = {{r.AntiInf, "AntiInf"},
                                                   {r.Guided, "Guided"},
                                                   {r.Haywire, "Haywire"},
                                                   {r.Incendiary, "Incendiary"},
                                                   {r.IndirectFire, "IndirectFire"},
                                                   {r.ArmorPiercing, "ArmorPiercing"},
                                                   {r.ArmorCrushing, "ArmorCrushing"},
                                                   {r.Clumsy, "Clumsy"},
                                                   {r.SniperSystem, "SniperSystem"},
                                                   {r.Stabilized, "Stabilized"},
                                                   {r.Entangle, "Entangle"},
                                                   {r.Sporting, "Sporting"},
                                                   {r.Disposable, "Disposable"}};
    std::vector<std::string> set;
    for (const auto &[on, name] : flags) {
        if (on)
            set.push_back(name);
    }
    return set;
}

std::vector<int> Indices(const AmmoFlags &flags)
{
    std::vector<int> set;
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        if (flags[static_cast<size_t>(k)])
            set.push_back(k);
    }
    return set;
}

} // namespace

TEST(LibraryDataWeapons, TellingRowsFieldByField)
{
    ExpectTellingRow({"VLMG", "Very Light Machine Gun", 25, 1, 0, 0, 0, 2, 0, 3, 2, -1, 0, 0, 0, 0.02});
    ExpectTellingRow({"FGC", "Fragmentation Cannon", 195, 1, 0, 0, 0, 7, 1, 0, 5, -1, 0, 0, 0, 0.75});
    ExpectTellingRow({"LAG", "Light Artillery Gun", 1107, 25, 0, 0, 0, 12, -2, 1, 8, 0, 10, 0, 3, 4.4});
    ExpectTellingRow({"HFL", "Heavy Flamer", 134, 0, 0, 1, 2, 9, 1, 2, 3, -1, 0, 0, 3, 0.27});
    ExpectTellingRow({"HGLC", "Gatling Laser Cannon", 350, 2, 0, 0, 0, 16, 1, 1, 4, -1, 0, -3, 4, 1.06});
    ExpectTellingRow({"CR", "Chassis Reinforcement", -1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 5, 0.0});

    using Flags = std::vector<std::string>;
    EXPECT_EQ(SetFlags(ByCode("VLMG")), Flags{"AntiInf"});
    EXPECT_EQ(SetFlags(ByCode("FGC")), Flags{"AntiInf"});
    EXPECT_EQ(SetFlags(ByCode("LAG")), Flags{"IndirectFire"});
    EXPECT_EQ(SetFlags(ByCode("HFL")), (Flags{"Incendiary", "IndirectFire"}));
    EXPECT_TRUE(SetFlags(ByCode("HGLC")).empty());
    EXPECT_TRUE(SetFlags(ByCode("CR")).empty());

    const int frag = AmmoIndex("Frag");
    const int slowBurn = AmmoIndex("SlowBurn");
    EXPECT_EQ(Indices(ByCode("FGC").BaseAmmo.Selected), std::vector<int>{frag});
    EXPECT_EQ(Indices(ByCode("FGC").BaseAmmo.Free), std::vector<int>{frag});
    EXPECT_EQ(Indices(ByCode("HFL").BaseAmmo.Selected), std::vector<int>{slowBurn});
    EXPECT_EQ(Indices(ByCode("HFL").BaseAmmo.Free), std::vector<int>{slowBurn});
    for (const char *code : {"VLMG", "LAG", "HGLC", "CR"}) {
        EXPECT_TRUE(Indices(ByCode(code).BaseAmmo.Selected).empty()) << code;
        EXPECT_TRUE(Indices(ByCode(code).BaseAmmo.Free).empty()) << code;
    }
}

TEST(LibraryDataWeapons, SpecialColumnOfTellingRows)
{
    EXPECT_EQ(SpecialCodes(ByCode("LAG")), "AE0, MR10, IF");
    EXPECT_EQ(SpecialCodes(ByCode("FGC")), "AI, Frag");
    EXPECT_EQ(SpecialCodes(ByCode("HFL")), "Inc, IF, SlowBurn");
    EXPECT_EQ(SpecialCodes(ByCode("HGLC")), "DpRB-3");
    EXPECT_EQ(SpecialCodes(ByCode("CR")), "");
}

TEST(LibraryDataWeapons, EveryRecordSurvivesTheByteImage)
{
    const auto &weapons = Library().Weapons;
    const std::vector<uint8_t> block = WeaponsBlock(weapons);
    ASSERT_EQ(block.size(), weapons.size() * kWeaponRecordSize);
    for (size_t i = 0; i < weapons.size(); ++i) {
        const WeaponRecord back = ReadWeaponRecord(block.data() + i * kWeaponRecordSize);
        EXPECT_EQ(back, weapons[i]) << weapons[i].Code;
    }
    // A code longer than six characters is stored and read back whole.
    const size_t vlrp128 = 24;
    ASSERT_EQ(weapons[vlrp128].Code, "VLRP/128");
    EXPECT_EQ(block[vlrp128 * kWeaponRecordSize + weaponrecord::Code], 8);
    EXPECT_EQ(ReadWeaponRecord(block.data() + vlrp128 * kWeaponRecordSize).Code, "VLRP/128");
}

namespace {

// Families whose members must grow in rating from the lightest to the heaviest.
const std::vector<std::vector<const char *>> &Families()
{
    static const std::vector<std::vector<const char *>> families = {{"VLMG", "LMG", "HMG"},
                                                                    {"VLRF", "LRF", "MRF", "HRF"},
                                                                    {"LAAC", "MAAC", "HAAC"},
                                                                    {"VLAC", "LAC", "MAC", "HAC", "VHAC"},
                                                                    {"VLFG", "LFG", "HFG", "VHFG"},
                                                                    {"VLRP/8", "VLRP/32", "VLRP/128"},
                                                                    {"LRP/8", "LRP/16", "LRP/24", "LRP/32"},
                                                                    {"MRP/9", "MRP/18", "MRP/36"},
                                                                    {"IRP/10", "IRP/20", "IRP/30"},
                                                                    {"HRP/24", "HRP/48"},
                                                                    {"HIRP/24", "HIRP/48"},
                                                                    {"ATM", "HATM"},
                                                                    {"LPZ", "MPZ", "HPZ"},
                                                                    {"LBZK", "MBZK", "HBZK"},
                                                                    {"LAG", "MAG", "HAG", "VHAG"},
                                                                    {"LAM", "MAM", "HAM", "VHAM"},
                                                                    {"LFL", "MLF", "HFL"},
                                                                    {"LGM", "HGM"},
                                                                    {"LFM", "MFM", "HFM"},
                                                                    {"LGL", "HGL"},
                                                                    {"LB", "MB", "HB"},
                                                                    {"CB", "HCB"},
                                                                    {"MAP", "MIAP"},
                                                                    {"MGP", "MHGP"},
                                                                    {"MAA", "MHAA"},
                                                                    {"LPA", "HPA"},
                                                                    {"LRG", "HRG"},
                                                                    {"LLC", "HLC"},
                                                                    {"LPLC", "HPLC"},
                                                                    {"SKG", "HSKG"},
                                                                    {"HG", "HHG"}};
    return families;
}

} // namespace

TEST(LibraryDataWeapons, HeavierFamilyMembersRateHigher)
{
    for (const auto &family : Families()) {
        for (size_t i = 1; i < family.size(); ++i) {
            const WeaponRecord &lighter = ByCode(family[i - 1]);
            const WeaponRecord &heavier = ByCode(family[i]);
            EXPECT_LT(lighter.Rating, heavier.Rating) << family[i - 1] << " vs " << family[i];
            EXPECT_LE(lighter.MinSize, heavier.MinSize) << family[i - 1] << " vs " << family[i];
            EXPECT_LE(lighter.AmmoBaseCost, heavier.AmmoBaseCost) << family[i - 1] << " vs " << family[i];
        }
    }
}

TEST(LibraryDataWeapons, FlagsFollowTheWeaponsNames)
{
    const std::regex pack(R"(.*Rocket Pack/(\d+))");
    const int slowBurn = AmmoIndex("SlowBurn");
    for (const WeaponRecord &r : Library().Weapons) {
        SCOPED_TRACE(r.Code);
        const std::string &n = r.Name;
        auto has = [&](const char *word) { return n.find(word) != std::string::npos; };

        std::smatch m;
        if (std::regex_match(n, m, pack)) {
            // The volley count in the name is the code's suffix and the rounds of one load.
            EXPECT_EQ(r.Code.substr(r.Code.find('/') + 1), m[1].str());
            EXPECT_EQ(r.BaseAmmo.Amount, std::stoi(m[1].str()));
        }
        if (has("Incendiary") || has("Flamer")) {
            EXPECT_TRUE(r.Incendiary);
            EXPECT_TRUE(r.BaseAmmo.Selected[static_cast<size_t>(slowBurn)]);
            EXPECT_TRUE(r.BaseAmmo.Free[static_cast<size_t>(slowBurn)]);
        }
        if (has("Artillery") || has("Mortar")) {
            EXPECT_TRUE(r.IndirectFire);
            EXPECT_GT(r.MinimumRange, 0);
        }
        if (has("Guided") || (has("Missile") && r.WeaponType <= 3)) {
            EXPECT_TRUE(r.Guided);
        }
        if (has("Haywire")) {
            EXPECT_TRUE(r.Haywire);
        }
        if (has("Mine,") || has("Bomb") || has("Cluster")) {
            EXPECT_GE(r.AreaEffect, 0);
        }
        if (r.WeaponType == 5) {
            EXPECT_LE(r.BaseRange, 1);
        }
        if (r.Rating == -1) {
            EXPECT_EQ(r.WeaponType, 5) << "only close-combat weapons use the vehicle's size";
            EXPECT_EQ(r.AmmoBaseCost, 0.0);
        } else {
            EXPECT_GT(r.Rating, 0);
        }
    }
}

TEST(LibraryDataWeapons, DefaultAndFreeAmmunitionIsAllowed)
{
    for (const WeaponRecord &r : Library().Weapons) {
        for (int k = 0; k < kAmmoTypeCount; ++k) {
            const size_t i = static_cast<size_t>(k);
            if (r.BaseAmmo.Selected[i] || r.BaseAmmo.Free[i]) {
                EXPECT_TRUE(r.BaseAmmo.Allowed[i]) << r.Code << " type " << k;
            }
        }
        EXPECT_LE(r.Name.size(), static_cast<size_t>(kWeaponNameCapacity));
        EXPECT_LE(r.Code.size(), static_cast<size_t>(kWeaponCodeCapacity));
    }
    // Flamers may take either incendiary; lasers take no explosive loads.
    EXPECT_TRUE(ByCode("LFL").BaseAmmo.Allowed[static_cast<size_t>(AmmoIndex("FastBurn"))]);
    EXPECT_FALSE(ByCode("LLC").BaseAmmo.Allowed[static_cast<size_t>(AmmoIndex("Frag"))]);
}

TEST(LibraryDataWeapons, DefaultLoadFitsTheMinimumSize)
{
    // Adding the default load to the magazine must not make the weapon need a bigger
    // vehicle; only rocket packs, whose load is the rack's volley, may.
    for (const WeaponRecord &r : Library().Weapons) {
        Weapon weapon(r);
        Clip magazine = weapon.Clips.Get(0);
        magazine.AddSection(r.BaseAmmo);
        weapon.Clips.Set(0, magazine);
        if (r.Name.find("Rocket Pack") == std::string::npos) {
            EXPECT_EQ(weapon.EffectiveMinSize(), r.MinSize) << r.Code << " with " << r.BaseAmmo.Amount << " rounds";
        }
        EXPECT_EQ(r.BaseAmmo.Amount > 0, r.AmmoBaseCost > 0.0) << r.Code << ": a weapon with ammunition has a load";
    }
}

namespace {

const char *kHeader = "Code | Name | Rating | Range | Med | Long | Ext | Dmg | Acc | ROF | MinSize | AE | MR | DpRB | "
                      "AmmoCost | Rounds | Flags | Base | Free | Allowed\n";

std::vector<WeaponRecord> ReadOne(const std::string &row, const std::string &tab = "Cannons")
{
    const AmmoProfiles profiles("gun = Frag, NL\n", "profiles");
    return ReadWeaponTable(std::string(kHeader) + "[" + tab + "]\n" + row + "\n", "t", profiles);
}

std::string ErrorOf(const std::string &row, const std::string &tab = "Cannons")
{
    try {
        ReadOne(row, tab);
    } catch (const DataGenError &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(LibraryDataWeaponTable, ReadsARowIntoARecord)
{
    const auto records =
        ReadOne("XG | Test Gun | 10 | 2 | 1 | 2 | 3 | 4 | -1 | 2 | 3 | 1 | 4 | -2 | 0.5 | 7 | Guided, Clumsy | Frag | "
                "Frag | gun, Smoke",
                "Rockets & Missiles");
    ASSERT_EQ(records.size(), 1u);
    const WeaponRecord &r = records[0];
    EXPECT_EQ(r.WeaponType, 1);
    EXPECT_EQ(r.Rating, 10);
    EXPECT_EQ(r.LongBonus, 2);
    EXPECT_EQ(r.ExtremeBonus, 3);
    EXPECT_EQ(r.Accuracy, -1);
    EXPECT_EQ(r.AreaEffect, 1);
    EXPECT_EQ(r.DamagePerRB, -2);
    EXPECT_EQ(r.NumberOfItems, 1);
    EXPECT_TRUE(r.Guided && r.Clumsy);
    EXPECT_FALSE(r.AntiInf || r.Disposable);
    EXPECT_EQ(r.BaseAmmo.Amount, 7);
    EXPECT_EQ(Indices(r.BaseAmmo.Allowed), (std::vector<int>{AmmoIndex("Frag"), AmmoIndex("NL"), AmmoIndex("Smoke")}));
}

TEST(LibraryDataWeaponTable, RejectsBadRowsNamingTheLine)
{
    const std::string good =
        "XG | Test Gun | 10 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | - | - | gun";
    EXPECT_EQ(ErrorOf(good), "no error");
    // Line 3: the header is line 1 and the tab line 2.
    EXPECT_NE(
        ErrorOf("XG | Test Gun | 10 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | Sneaky | - | - | gun")
            .find("t:3: \"Sneaky\" is not a weapon flag"),
        std::string::npos);
    EXPECT_NE(ErrorOf("XG | Test Gun | 10 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | - | Frag | NL")
                  .find("free ammunition"),
              std::string::npos);
    EXPECT_NE(ErrorOf("XG | Test Gun | 10 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | Bogus | - | gun")
                  .find("\"Bogus\""),
              std::string::npos);
    EXPECT_NE(ErrorOf(good, "Custom").find("is not a library tab"), std::string::npos);
    EXPECT_NE(
        ErrorOf("VERYLONGCODE | Test Gun | 10 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | - | - | gun")
            .find("longer than 10"),
        std::string::npos);
    EXPECT_NE(ErrorOf("XG | Test Gun | ten | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | - | - | gun")
                  .find("not a whole number"),
              std::string::npos);
    EXPECT_NE(ErrorOf("XG | Test Gun | 10 | 2").find("expected 20 cells"), std::string::npos);
    EXPECT_NE(ErrorOf("XG | Test Gun | -2 | 2 | 0 | 0 | 0 | 4 | 0 | 0 | 3 | -1 | 0 | 0 | 0.5 | 7 | - | - | - | gun")
                  .find("out of range"),
              std::string::npos);
    EXPECT_THROW(ReadWeaponTable("Code | Name\n", "t", AmmoProfiles()), DataGenError);
}

TEST(LibraryDataWeaponTable, AmmoSetsRejectUnknownCodesAndDuplicateNames)
{
    EXPECT_THROW(AmmoProfiles("a = Frag, Nope\n", "p"), DataGenError);
    EXPECT_THROW(AmmoProfiles("a = Frag\na = NL\n", "p"), DataGenError);
    EXPECT_THROW(AmmoProfiles("Frag = NL\n", "p"), DataGenError); // a set may not shadow a code
    const AmmoProfiles empty("none =\n", "p");
    EXPECT_TRUE(Indices(empty.Resolve("none", "t", 1)).empty());
    EXPECT_EQ(AmmoProfiles::CodeIndex("Art. Smoke"), 9);
    EXPECT_EQ(AmmoProfiles::CodeIndex("Under Water"), 26);
    EXPECT_EQ(AmmoProfiles::CodeIndex("Under"), -1);
}

} // namespace aw
