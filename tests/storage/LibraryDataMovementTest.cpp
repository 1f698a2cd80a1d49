#include "tests/storage/LibraryDataTables.h"
#include "tools/datagen/DataGenError.h"
#include "tools/datagen/DropDownText.h"
#include "tools/datagen/MovementTable.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// Splits stored drop-down text at CR LF; "|" lines separate the lists.
std::vector<std::vector<std::string>> Lists(const std::string &text)
{
    std::vector<std::vector<std::string>> lists(1);
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        const std::string line = text.substr(start, end - start);
        if (line == "|")
            lists.emplace_back();
        else
            lists.back().push_back(line);
        start = end + 2;
    }
    return lists;
}

} // namespace

TEST(LibraryDataMovement, EightModesWithTheirFlags)
{
    struct Mode {
        const char *Name;
        bool Custom, Flight, CanFly, HasStall;
    };
    const Mode expected[] = {{"Custom", true, false, true, true},       {"Walker", false, false, false, false},
                             {"Ground", false, false, false, false},    {"Hover", false, false, false, false},
                             {"Hydrofoil", false, true, false, true},   {"Naval", false, false, false, false},
                             {"Submarine", false, false, false, false}, {"Flight", false, true, false, true}};
    const auto &modes = Library().Movement;
    ASSERT_EQ(modes.size(), 8u);
    for (size_t i = 0; i < modes.size(); ++i) {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(modes[i].ModeName, expected[i].Name);
        EXPECT_EQ(modes[i].CustomMode, expected[i].Custom);
        EXPECT_EQ(modes[i].Flight, expected[i].Flight);
        EXPECT_EQ(modes[i].CanFly, expected[i].CanFly);
        EXPECT_EQ(modes[i].HasStall, expected[i].HasStall);
        EXPECT_EQ(modes[i].TopSpeed, 0.0);
        EXPECT_EQ(modes[i].StallSpeed, 0.0);
        EXPECT_EQ(modes[i].Maneuver, 0);
        EXPECT_EQ(modes[i].LibraryIndex, -1);
    }
}

TEST(LibraryDataMovement, EveryRecordSurvivesTheByteImage)
{
    const auto &modes = Library().Movement;
    const std::vector<uint8_t> block = MovementBlock(modes);
    ASSERT_EQ(block.size(), 8u * MovementRecord::Size);
    for (size_t i = 0; i < modes.size(); ++i)
        EXPECT_EQ(ReadMovementRecord(block.data() + i * MovementRecord::Size), modes[i]) << modes[i].ModeName;
    // The stored index is -1 in every record: all four bytes at offset 57 set.
    for (size_t i = 0; i < modes.size(); ++i) {
        for (size_t b = 57; b < 61; ++b)
            EXPECT_EQ(block[i * MovementRecord::Size + b], 0xff);
    }
}

TEST(LibraryDataMovement, TableRejectsBadFlagsAndSections)
{
    const std::string header = "ModeName | CustomMode | Flight | CanFly | HasStall\n";
    EXPECT_EQ(ReadMovementTable(header + "Sled | 0 | 0 | 0 | 1\n", "m").at(0).HasStall, true);
    EXPECT_THROW(ReadMovementTable(header + "Sled | 0 | 2 | 0 | 1\n", "m"), DataGenError);
    EXPECT_THROW(ReadMovementTable(header + "[Land]\nSled | 0 | 0 | 0 | 1\n", "m"), DataGenError);
    EXPECT_THROW(ReadMovementTable("Mode | CustomMode | Flight | CanFly | HasStall\n", "m"), DataGenError);
}

TEST(LibraryDataDropDown, TextHasCrLfEndsAndATrailingBreak)
{
    const std::string &text = Library().DropDown;
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
        }
    }
    // The last entry is followed by one line break, not by a separator or an empty line.
    EXPECT_EQ(text.substr(text.size() - 9), "<Other>\r\n");
}

TEST(LibraryDataDropDown, TextSplitsIntoTheEightLists)
{
    const std::vector<std::vector<std::string>> expected = {
        {"Boat",
         "Dirigible",
         "Automobile",
         "Truck",
         "Tank",
         "APC",
         "IFV",
         "Walker",
         "Submarine",
         "Airplane",
         "Jet/Turbine Aircraft",
         "Space Shuttle",
         "Space Ship",
         "VTOL",
         "Tractor/Trailer",
         "Bus",
         "Helicopter",
         "Tilt-Rotor",
         "Motorcycle",
         "Tri-Cycle",
         "Volkswagen",
         "<Unkown>",
         "<Other>"},
        {"Assualt",
         "Recon",
         "Deep Strike",
         "Stealth",
         "Construction",
         "Defense",
         "Repair",
         "Resupply",
         "Cargo Transport",
         "Troop Transport",
         "Fighter",
         "Bomber",
         "Inflitration",
         "Sniper",
         "Sabotage",
         "CCC",
         "Electronic Warfare",
         "Agricultural",
         "Vell Corps Transport",
         "Civillian Transport",
         "Moble Lab",
         "Racing",
         "Arena Combat",
         "Paratrooper",
         "Commando",
         "Combat Engineering",
         "<Unkown>",
         "<Other>"},
        {"<Unkown>", "<Other>"},
        {"<Unkown>", "<Other>"},
        {"Turbine",
         "Superconducting Coil",
         "Turbine & Superconducting Coil",
         "Wankel",
         "Fuel Cell",
         "Fusion Reactor",
         "Fission Reactor",
         "Anti-Matter/Matter Reactor",
         "Diesel",
         "Piston Engine",
         "Steam ",
         "Electric",
         "Solar",
         "Ion",
         "Sail",
         "Cold Fusion",
         "Free NRG Collector",
         "Pulp Super-Science Power Source",
         "Man Powered ",
         "Animal Drawn",
         "Gravtiic",
         "<Unkown>",
         "<Other>"},
        {"<Unkown>", "<Other>"},
        {"Armor Grade Steel", "Ceramic", "Polymer", "Chobam", "Depleted Uranium", "Composites",
         "Duct Tape, Chewing Gum and Bailing Wire", "Honeycombed Alumininum", "Organic", "Pig Iron", "Paper Mache",
         "<Unkown>", "<Other>"},
        {"<Unkown>", "<Other>"}};
    // Exactly seven separators: none after the eighth list.
    EXPECT_EQ(Lists(Library().DropDown), expected);
}

TEST(LibraryDataDropDown, BuildKeepsSpacesAndEmptyEntries)
{
    EXPECT_EQ(BuildDropDownText("a\n b \n\n|\nc"), "a\r\n b \r\n\r\n|\r\nc\r\n");
    // A source saved with CR LF ends gives the same text, not doubled CRs.
    EXPECT_EQ(BuildDropDownText("a\r\n|\r\nc\r\n"), "a\r\n|\r\nc\r\n");
    EXPECT_EQ(BuildDropDownText(""), "");
}

} // namespace aw
