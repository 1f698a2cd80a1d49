#include "engine/PerkEntry.h"
#include "tests/storage/LibraryDataTables.h"
#include "tools/datagen/DataGenError.h"
#include "tools/datagen/PerkTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace aw {

namespace {

const PerkRecord &ByName(const std::string &name)
{
    for (const PerkRecord &r : Library().PerksAndFlaws) {
        if (r.PFDName == name)
            return r;
    }
    throw std::runtime_error("no entry " + name);
}

const std::vector<std::string> kPerks = {"Ablative Armor",
                                         "Acrobatic Handling",
                                         "Advanced Controls",
                                         "Advanced Neural Net",
                                         "Airdroppable",
                                         "Airlift Winch",
                                         "Ammo Storage",
                                         "Ammo/Fuel Containment",
                                         "Amphibious",
                                         "Anti-Missile System",
                                         "Anti-Personnel Charges",
                                         "Aquatic Sensors BOTH",
                                         "Aquatic Sensors ONLY",
                                         "Artificial Intelligence",
                                         "Audio System",
                                         "Automation",
                                         "Autopilot",
                                         "Backup Communications",
                                         "Backup Fire Control",
                                         "Backup Life Support",
                                         "Backup Sensors",
                                         "Battle Arm",
                                         "Camo Netting",
                                         "Cargo Bay",
                                         "Catapult Hook",
                                         "Chaff/Flare Dispenser",
                                         "Climbing Apparatus",
                                         "Counter-Battery Sensor",
                                         "Diving Wings",
                                         "Double Towing Capacity",
                                         "Easy to Modify",
                                         "ECCM",
                                         "ECM",
                                         "Ejection System",
                                         "Emergency Medical",
                                         "Fire Resistant",
                                         "Fuel Efficient, x1.5",
                                         "Fuel Efficient, x2",
                                         "Fuel Efficient, x3",
                                         "Full Life Support",
                                         "Geological Sensors",
                                         "Glider",
                                         "Grapple Launchers",
                                         "Haywire Resistant",
                                         "HEAT Resistant Armor",
                                         "Heavy Mining Equip",
                                         "HEP: Desert",
                                         "HEP: Extreme Cold",
                                         "HEP: Extreme Heat",
                                         "HEP: Extreme Pressure",
                                         "HEP: High Pressure",
                                         "HEP: Underwater",
                                         "High Capacity Computer",
                                         "Improved Off-Road",
                                         "Improved Rear Defense",
                                         "Jump Jets",
                                         "Laboratories",
                                         "Light Mining Equip",
                                         "Lighter-than-Air",
                                         "Limited Life Support",
                                         "Loudspeakers",
                                         "Low Profile",
                                         "Luxury Crew Accom",
                                         "Luxury Passenger Accom",
                                         "Manipulator Arm",
                                         "Micro-Lab",
                                         "Military Crew Accom",
                                         "Military Passenger Accom",
                                         "Mine Detectors",
                                         "Mine Laying Equipment",
                                         "Mine Sweeping Equipment",
                                         "NOE Flyer",
                                         "Passenger Seating",
                                         "Pintle Mount",
                                         "Ram Plate",
                                         "Reactive Armor",
                                         "Reduced G Effect",
                                         "Refueling Equipment - Intake",
                                         "Refueling Equipment - Outake",
                                         "Reinforced Armor",
                                         "Reinforced Chassis",
                                         "Reinforced Crew Compartment",
                                         "Reinforced Location Armor",
                                         "Rugged Movement System",
                                         "Satellite Uplink",
                                         "Scoring Sensors",
                                         "Sea Plane - Dual Purpose",
                                         "Sea Plane - Single Purpose",
                                         "Searchlight",
                                         "Shielded Weapons",
                                         "Shields",
                                         "Sick Bay",
                                         "Smoke Launcher",
                                         "Stealth",
                                         "Stratosphere Flight",
                                         "Target Designator",
                                         "Tool Arm",
                                         "Trideo Link-Up",
                                         "Triple Towing Capacity",
                                         "Urban Friendly",
                                         "Vehicle Bay",
                                         "Very Loudspeakers",
                                         "Wide Angle Searchlight"};

const std::vector<std::string> kFlaws = {"Annoyance",
                                         "Brittle Armor",
                                         "Can Not Glide",
                                         "Defective Active Sensors",
                                         "Defective Fire Control",
                                         "Difficult to Modify",
                                         "Exposed Auxiliary Systems",
                                         "Exposed Crew Compartment",
                                         "Exposed Fire Control Systems",
                                         "Exposed Movement System",
                                         "Extreme Overheating",
                                         "Fragile Chassis",
                                         "Fuel Inefficient",
                                         "Hazardous Ammo/Fuel Storage",
                                         "HEAT Vulnerable",
                                         "Highly Flammable",
                                         "Inefficient Combat Computer",
                                         "Inefficient Controls",
                                         "Large Sensor Profile",
                                         "Max Climbing Angle",
                                         "Maximum Ceiling",
                                         "No Communications",
                                         "No Engine",
                                         "No Sensors",
                                         "Overheating",
                                         "Partial Exposed Crew",
                                         "Poor Off-Road Ability",
                                         "Poor Towing Capability",
                                         "Problem Prone",
                                         "Random Shutdown",
                                         "Requires Airstrip",
                                         "Sensor Dependent",
                                         "Traceable Emissions",
                                         "Unstable",
                                         "Vulnerable to Haywire Effects",
                                         "Weak Facing",
                                         "Weak Point",
                                         "Weak Underbelly"};

} // namespace

TEST(LibraryDataPerks, PerksThenFlawsInLibraryOrder)
{
    const auto &entries = Library().PerksAndFlaws;
    ASSERT_EQ(kPerks.size(), 103u);
    ASSERT_EQ(kFlaws.size(), 38u);
    ASSERT_EQ(entries.size(), 141u);
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool flaw = i >= kPerks.size();
        EXPECT_EQ(entries[i].PFDName, flaw ? kFlaws[i - kPerks.size()] : kPerks[i]) << "entry " << i;
        EXPECT_EQ(entries[i].IsFlaw, flaw) << entries[i].PFDName;
        EXPECT_EQ(entries[i].Amount, 1) << entries[i].PFDName;
        EXPECT_EQ(entries[i].EntryId, static_cast<int32_t>(i + 1)) << entries[i].PFDName;
    }
}

TEST(LibraryDataPerks, TellingRowsFieldByField)
{
    const PerkRecord &ablative = ByName("Ablative Armor");
    EXPECT_EQ(ablative.WorthFormula, 3);
    EXPECT_EQ(ablative.RatingValue, 1.0);
    EXPECT_EQ(ablative.X, 0.5);
    EXPECT_TRUE(ablative.HasArc);
    EXPECT_EQ(ablative.FormulaText, "0.5 * Rating, per arc");

    const PerkRecord &ammo = ByName("Ammo Storage");
    EXPECT_EQ(ammo.WorthFormula, 3);
    EXPECT_EQ(ammo.Y, 1.0);
    EXPECT_EQ(ammo.Z, 0.1);
    EXPECT_EQ(ammo.RoundMode, 1);
    EXPECT_TRUE(ammo.HasAmount);

    const PerkRecord &arm = ByName("Battle Arm");
    EXPECT_EQ(arm.OTVFormula, 8);
    EXPECT_TRUE(arm.OffersInside);
    EXPECT_EQ(arm.InsideLabel, "Can Punch");
    EXPECT_TRUE(arm.HasAmount);
    EXPECT_FALSE(arm.InsideOTV) << "the user chooses whether the arm can punch";

    const PerkRecord &seating = ByName("Passenger Seating");
    EXPECT_EQ(seating.WorthFormula, 4);
    EXPECT_TRUE(seating.RatingIsPeople);

    EXPECT_EQ(ByName("Automation").AddedCrewValue, -1);
    EXPECT_EQ(ByName("Advanced Controls").AddedActionsValue, 1);
    EXPECT_EQ(ByName("Scoring Sensors").CostValue, 5000.0);
    EXPECT_EQ(ByName("Trideo Link-Up").CostValue, 15000.0);

    const PerkRecord &weak = ByName("Weak Point");
    EXPECT_EQ(weak.RoundMode, 2);
    EXPECT_EQ(weak.HasLocation, 1);
    EXPECT_EQ(ByName("Annoyance").WorthFormula, 2);
}

TEST(LibraryDataPerks, TellingRowsPriceAndCountAsTheRulesSay)
{
    // The cost an entry adds is its cost value, whatever its worth formula.
    EXPECT_EQ(Cost(ByName("Scoring Sensors")), 5000.0);
    EXPECT_EQ(Cost(ByName("Trideo Link-Up")), 15000.0);

    PerkRecord ammo = ByName("Ammo Storage");
    ammo.Y = 35;
    EXPECT_EQ(Worth(ammo, {}), 4.0); // 3.5 rounded up

    PerkRecord automation = ByName("Automation");
    automation.RatingValue = 2.7;
    EXPECT_EQ(CrewAdded(automation), 2);
    EXPECT_EQ(ActionsAdded(ByName("Advanced Controls")), 1);

    PerkRecord seating = ByName("Passenger Seating");
    seating.RatingValue = 6;
    EXPECT_EQ(People(seating), 6);

    PerkRecord arm = ByName("Battle Arm");
    arm.RatingValue = 4;
    EXPECT_EQ(OTVValue(arm), 4.0); // (4 * 0.5)^2

    EXPECT_DOUBLE_EQ(Worth(ByName("Annoyance"), {}), -0.2);
    PerkRecord weak = ByName("Weak Point");
    weak.Location = 3;
    EXPECT_NE(EffectTextFor(weak, {}).find("Fi-Con"), std::string::npos);
}

namespace {

// Small, middling and large designs the library worth is checked against.
const std::vector<PerkVehicleData> &Designs()
{
    static const std::vector<PerkVehicleData> designs = {
        {1, 1, 1, 1, 1}, {2, 3, 6, 12, 2}, {4, 12, 30, 40, 8}, {0, 0, 1, 1, 0}};
    return designs;
}

} // namespace

TEST(LibraryDataPerks, WorthHasTheSignOfItsKind)
{
    for (const PerkRecord &r : Library().PerksAndFlaws) {
        for (const PerkVehicleData &v : Designs()) {
            const double w = Worth(r, v);
            if (r.IsFlaw) {
                EXPECT_LT(w, 0.0) << r.PFDName << " on a design of size " << v.Size;
            } else {
                EXPECT_GT(w, 0.0) << r.PFDName << " on a design of size " << v.Size;
            }
            EXPECT_LE(std::fabs(w), 12.0) << r.PFDName;
        }
        // Formula 1 would mark the entry as the user's own (".c" after its name).
        EXPECT_NE(r.WorthFormula, 1) << r.PFDName;
        EXPECT_EQ(DisplayName(r), r.PFDName);
    }
}

TEST(LibraryDataPerks, EffectTextsUseOnlyKnownTokens)
{
    const std::vector<std::string> tokens = {"|LOC|", "|AR|", "|R|", "|X|", "|Y|", "|Z|", "|A|", "|C|", "|P|", "|S|"};
    for (const PerkRecord &r : Library().PerksAndFlaws) {
        std::string text = r.EffectText;
        for (const std::string &token : tokens) {
            for (size_t at = text.find(token); at != std::string::npos; at = text.find(token))
                text.erase(at, token.size());
        }
        EXPECT_EQ(text.find('|'), std::string::npos) << r.PFDName << ": " << r.EffectText;
        EXPECT_FALSE(r.EffectText.empty()) << r.PFDName;
        EXPECT_FALSE(r.FormulaText.empty()) << r.PFDName;
        EXPECT_TRUE(r.ShowFormula) << r.PFDName;
        // A filled text has no token left and stays within the sheet's text field.
        const std::string filled = EffectTextFor(r, Designs()[1]);
        EXPECT_EQ(filled.find('|'), std::string::npos) << r.PFDName << ": " << filled;
        if (r.EffectText.find("|A|") != std::string::npos) {
            EXPECT_TRUE(r.HasArc) << r.PFDName;
        }
    }
}

TEST(LibraryDataPerks, PeopleCrewAndOtvOptionsFitTheNames)
{
    for (const PerkRecord &r : Library().PerksAndFlaws) {
        const bool passengers = r.PFDName.find("Passenger") != std::string::npos;
        EXPECT_EQ(r.RatingIsPeople, passengers) << r.PFDName;
        if (r.RatingIsPeople || r.AddedCrewValue == -1) {
            EXPECT_TRUE(r.ShowRating) << r.PFDName << ": the user sets how many";
        }
        // An attack is offered, never forced on the design.
        EXPECT_FALSE(r.InsideOTV || r.OutsideOTV) << r.PFDName;
        if (r.OffersInside) {
            EXPECT_FALSE(r.InsideLabel.empty()) << r.PFDName;
        }
        if (r.OffersOutside) {
            EXPECT_FALSE(r.OutsideLabel.empty()) << r.PFDName;
        }
    }
    EXPECT_EQ(ByName("Artificial Intelligence").AddedCrewValue, -1);
    EXPECT_EQ(ByName("Inefficient Controls").AddedActionsValue, -1);
}

TEST(LibraryDataPerks, EveryRecordSurvivesTheByteImage)
{
    const auto &entries = Library().PerksAndFlaws;
    const std::vector<uint8_t> block = PerksBlock(entries);
    ASSERT_EQ(block.size(), entries.size() * PerkRecord::Size);
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(ReadPerkRecord(block.data() + i * PerkRecord::Size), entries[i]) << entries[i].PFDName;
    // The library's split into perks and flaws goes by the byte at offset 721.
    EXPECT_EQ(block[721], 0);
    EXPECT_NE(block[103 * PerkRecord::Size + 721], 0);
}

namespace {

std::string ErrorOf(const std::string &text)
{
    try {
        ReadPerkTable(text, "p");
    } catch (const DataGenError &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(LibraryDataPerkTable, DefaultsApplyAndEntriesOverrideThem)
{
    const auto records = ReadPerkTable("[*]\nIsFlaw = 1\nX = -1\n\n[One]\n# a comment\n[Two]\nX = -2.5\n"
                                       "XLabel = Strength\nEffectText = Hits |X| at |LOC|\nHasLocation = 1\n",
                                       "p");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].PFDName, "One");
    EXPECT_TRUE(records[0].IsFlaw);
    EXPECT_EQ(records[0].X, -1.0);
    EXPECT_EQ(records[0].RatingLabel, "Rating");
    EXPECT_EQ(records[1].X, -2.5);
    EXPECT_EQ(records[1].XLabel, "Strength");
    EXPECT_EQ(records[1].EffectText, "Hits |X| at |LOC|");
    EXPECT_EQ(records[1].Amount, 1);
}

TEST(LibraryDataPerkTable, RejectsMistakesNamingTheLine)
{
    EXPECT_NE(ErrorOf("[A]\nWorthFormula = 1\n").find("p:2:"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nWorthFormula = 13\n").find("outside 0..12"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nAmount = 2\n").find("\"Amount\" is not a field"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEntryId = 7\n").find("\"EntryId\" is not a field"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEffectText = at |Q| range\n").find("\"|Q|\""), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEffectText = unclosed |R\n").find("\"|R\""), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEffectText = at |LOC|\n").find("location"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEffectText = on |A|\n").find("arc"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nX = 1\nX = 2\n").find("given twice"), std::string::npos);
    EXPECT_NE(ErrorOf("X = 1\n").find("before the first"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nX = one\n").find("not a number"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nHasArc = maybe\n").find("not a flag"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\n[*]\n").find("must come first"), std::string::npos);
    EXPECT_NE(ErrorOf("[" + std::string(33, 'N') + "]\n").find("longer than 32"), std::string::npos);
    EXPECT_NE(ErrorOf("[A]\nEffectText = caf\xc3\xa9\n").find("not plain text"), std::string::npos);
    EXPECT_EQ(ErrorOf("[A]\nEffectText = |R| at |LOC| on |A|\nHasLocation = 1\nHasArc = 1\n"), "no error");
}

} // namespace aw
