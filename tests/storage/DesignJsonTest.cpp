#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "storage/DesignJson.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace aw {

using nlohmann::ordered_json;

namespace {

ordered_json JsonOf(const BaseVehicle &vehicle) { return ordered_json::parse(DesignToJson(vehicle)); }

std::string ErrorOf(const std::string &json)
{
    try {
        DesignFromJson(json);
    } catch (const DesignJsonError &e) {
        return e.what();
    }
    return "(accepted)";
}

std::string ErrorOfJson(const ordered_json &json) { return ErrorOf(json.dump()); }

} // namespace

TEST(DesignJson, RoundTripKeepsTheWholeDesign)
{
    const auto design = FullDesign();
    const std::string json = DesignToJson(*design);
    const auto back = DesignFromJson(json);
    EXPECT_EQ(BodyOf(*back), BodyOf(*design));
    // Fields the body does not carry come back too.
    EXPECT_EQ(back->CustomProduction.CustomName, "Field Refit");
    EXPECT_EQ(back->CustomProduction.CustomDefinition, "Rebuilt in the field");
    EXPECT_EQ(DesignToJson(*back), json);
    EXPECT_EQ(back->Weapons->LinkCount(), 2);
    EXPECT_TRUE(back->Weapons->Get(1).Links.Get(1));
}

TEST(DesignJson, TextsAreUtf8AndKeepEveryByte)
{
    auto design = FullDesign();
    // The five bytes Windows-1252 leaves undefined, and the euro sign.
    design->History = std::string("\x81\x8D\x8F\x90\x9D\x80", 6);
    const ordered_json json = JsonOf(*design);
    EXPECT_EQ(json["Name"], "Sch\u00FCtze \u20AC \"Mk II\"");
    EXPECT_EQ(json["CurrencyName"], "Cr\u00E9dits");
    EXPECT_EQ(json["History"], "\u0081\u008D\u008F\u0090\u009D\u20AC");
    EXPECT_EQ(DesignFromJson(json.dump())->History, design->History);
}

TEST(DesignJson, ListsAndNestedValuesHaveTheirPlaces)
{
    const ordered_json json = JsonOf(*FullDesign());
    EXPECT_EQ(json["format"], "armorwright-design");
    EXPECT_EQ(json["version"], 1);
    EXPECT_EQ(json["movement"].size(), 3u);
    EXPECT_EQ(json["movement"][1]["ModeName"], "Flight");
    EXPECT_EQ(json["perks"][1]["InsideLabel"], "Can Punch");
    EXPECT_EQ(json["defects"][0]["Variant"], 3);
    EXPECT_EQ(json["CustomProduction"]["CustomCostMultiplier"], 0.75);
    const ordered_json &gun = json["weapons"][0];
    EXPECT_EQ(gun["Name"], "Autocannon");
    EXPECT_EQ(gun["BaseAmmo"]["Free"], ordered_json::parse("[4]"));
    EXPECT_EQ(gun["clips"][0]["sections"][1]["Selected"], ordered_json::parse("[4, 21]"));
    EXPECT_EQ(gun["clips"][1]["ClipCount"], 3);
    EXPECT_EQ(gun["links"], ordered_json::parse("[true, false]"));
    EXPECT_EQ(json["CommRange"].get<double>(), 0.1);
}

TEST(DesignJson, RealsWithoutAJsonNumberSurvive)
{
    auto design = FullDesign();
    design->SensorRange = std::numeric_limits<double>::infinity();
    design->CommRange = -std::numeric_limits<double>::infinity();
    design->CurrencyMultiplier = std::numeric_limits<double>::quiet_NaN();
    design->Movement->Set(0, [&] {
        MovementRecord r = design->Movement->Get(0);
        r.TopSpeed = -0.0;
        return r;
    }());
    const ordered_json json = JsonOf(*design);
    EXPECT_EQ(json["SensorRange"], "Infinity");
    EXPECT_EQ(json["CommRange"], "-Infinity");
    EXPECT_EQ(json["CurrencyMultiplier"], "NaN");
    const auto back = DesignFromJson(json.dump());
    EXPECT_TRUE(std::isinf(back->SensorRange) && back->SensorRange > 0);
    EXPECT_TRUE(std::isinf(back->CommRange) && back->CommRange < 0);
    EXPECT_TRUE(std::isnan(back->CurrencyMultiplier));
    EXPECT_TRUE(std::signbit(back->Movement->TopSpeed(0)));
}

TEST(DesignJson, LeftOutFieldsTakeTheValuesOfANewDesign)
{
    const auto minimal = DesignFromJson(R"({"format": "armorwright-design", "version": 1})");
    EXPECT_EQ(BodyOf(*minimal), BodyOf(Vehicle()));

    const auto partial = DesignFromJson(R"({"format": "armorwright-design", "version": 1, "Armor": 9,
        "perks": [{"PFDName": "Searchlight"}], "weapons": [{"Name": "Gun"}]})");
    EXPECT_EQ(partial->Armor, 9);
    EXPECT_EQ(partial->CurrencyMultiplier, 1.0);
    PerkRecord expectedPerk;
    expectedPerk.PFDName = "Searchlight";
    EXPECT_EQ(partial->Perks->Get(0), expectedPerk); // labels "Rating", "X"…, amount 1
    WeaponRecord expectedWeapon = DefaultWeaponRecord();
    expectedWeapon.Name = "Gun";
    EXPECT_EQ(partial->Weapons->Get(0).Data, expectedWeapon);
    EXPECT_EQ(partial->Weapons->Get(0).Clips.Count(), 1); // the internal magazine
}

TEST(DesignJson, TheFirstBadValueIsNamedByItsPath)
{
    const ordered_json good = JsonOf(*FullDesign());
    struct Case {
        const char *Pointer; // where the bad value goes
        ordered_json Value;
        const char *Expected;
    };
    const Case cases[] = {
        {"/weapons/2/clips/0/sections/0/Amount", "x", "$.weapons[2].clips[0].sections[0].Amount: expected an integer"},
        {"/weapons/0/clips/1/sections/0/Amount", 2.5, "$.weapons[0].clips[1].sections[0].Amount: expected an integer"},
        {"/Crew", 2147483648LL, "$.Crew: 2147483648 is outside the 32-bit integer range"},
        {"/Crew", -2147483649LL, "$.Crew: -2147483649 is outside the 32-bit integer range"},
        {"/SensorRange", "far", "$.SensorRange: expected a number"},
        {"/movement/1/Flight", 1, "$.movement[1].Flight: expected true or false"},
        {"/Name", 5, "$.Name: expected a text"},
        {"/CurrencyName", std::string(17, 'c'), "$.CurrencyName: longer than 16 characters"},
        {"/perks/0/PFDName", std::string(33, 'p'), "$.perks[0].PFDName: longer than 32 characters"},
        {"/Manufacturer", "\u4E2D", "$.Manufacturer: the character U+4E2D cannot be stored in a design"},
        {"/Picture", "Zm9v!", "$.Picture: expected base64 text"},
        {"/Picture", "Zm9vYmFy", "$.Picture: not a readable bitmap: it is not a bitmap"},
        {"/weapons/0/BaseAmmo/Allowed", ordered_json::parse("[1, 27]"),
         "$.weapons[0].BaseAmmo.Allowed[1]: expected an ammunition type number from 0 to 26"},
        {"/weapons/1/links", ordered_json::parse("[true]"),
         "$.weapons[1].links: 1 entries where the first weapon has 2"},
        {"/weapons/0/links", std::vector<bool>(4097, false),
         "$.weapons[0].links: more than 4096 links, which no design file holds"},
        {"/weapons/1/Rnage", 3, "$.weapons[1].Rnage: unknown field"},
        {"/flaws", ordered_json::object(), "$.flaws: expected a list"},
        {"/defects/0", "Minor Flaw", "$.defects[0]: expected an object"},
        {"/version", 2, "$.version: version 2 is newer than this program reads (1)"},
        {"/format", "something-else", "$.format: expected \"armorwright-design\"; this is not an Armorwright design"},
    };
    for (const Case &c : cases) {
        ordered_json bad = good;
        bad[ordered_json::json_pointer(c.Pointer)] = c.Value;
        EXPECT_EQ(ErrorOfJson(bad), c.Expected) << c.Pointer;
    }
}

TEST(DesignJson, ErrorsAreReportedInTheOrderOfTheText)
{
    // Two bad values: the one that comes first in the text is the one reported.
    EXPECT_EQ(ErrorOf(R"({"format": "armorwright-design", "version": 1, "Maneuver": "x", "Armor": "y"})"),
              "$.Maneuver: expected an integer");
    EXPECT_EQ(ErrorOf(R"({"version": 1, "format": "armorwright-design", "Armor": [1]})"),
              "$.Armor: expected an integer");
}

TEST(DesignJson, TextsThatAreNoDesignAreRefused)
{
    EXPECT_EQ(ErrorOf("[1, 2]"), "$: expected an object");
    EXPECT_EQ(ErrorOf(R"({"format": "armorwright-design"})"), "$.version: missing");
    EXPECT_EQ(ErrorOf(R"({"format": "armorwright-design", "version": 0})"), "$.version: unknown version 0");
    EXPECT_EQ(ErrorOf(R"({"Name": "x"})"),
              "$.format: expected \"armorwright-design\"; this is not an Armorwright design");
    const std::string broken = ErrorOf(R"({"format": "armorwright-design", "version": 1,)");
    EXPECT_EQ(broken.rfind("$: not valid JSON: ", 0), 0u) << broken;
    EXPECT_EQ(broken.find("[json.exception"), std::string::npos) << broken;
    // A key given twice, at the top or deep inside: neither value is silently dropped.
    EXPECT_EQ(ErrorOf(R"({"format": "armorwright-design", "version": 1, "Crew": 1, "Armor": 2, "Crew": 5})"),
              "$.Crew: given twice");
    EXPECT_EQ(ErrorOf(R"({"format": "armorwright-design", "version": 1, "perks": [{"PFDName": "a"}],
                          "weapons": [{"Name": "a"}, {"clips": [{}, {"ClipCount": 1, "ClipCount": 2}]}]})"),
              "$.weapons[1].clips[1].ClipCount: given twice");
    // Broken UTF-8 inside a text.
    EXPECT_EQ(ErrorOf("{\"format\": \"armorwright-design\", \"version\": 1, \"Name\": \"\xC3\"}")
                  .rfind("$: not valid JSON: ", 0),
              0u);
}

} // namespace aw
