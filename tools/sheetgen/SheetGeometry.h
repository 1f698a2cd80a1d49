#pragma once

#include "output/SheetLayoutBox.h"
#include "output/SheetLayoutLabel.h"

#include <array>
#include <string_view>

namespace aw {

// Where everything sits on the built-in record sheet. The drawing items and the background
// artwork are both made from these numbers, so every field of the form holds its value.
namespace sheetgeo {

constexpr int kSheetWidth = 1200;
constexpr int kSheetHeight = 1572;

// A run of pixels along one axis; End() is exclusive.
struct Span {
    int Start;
    int Size;
    constexpr int End() const { return Start + Size; }
};

constexpr SheetLayoutBox kPictureFrame{79, 14, 483, 520};

// Armour box k (1..50) lies in row (k - 1) / 5 and column (k - 1) % 5; two rows make a group
// of ten.
constexpr int kArmourBoxes = 50;
constexpr std::array<Span, 10> kArmourRows{
    {{153, 18}, {176, 18}, {242, 17}, {265, 18}, {326, 17}, {349, 17}, {414, 18}, {437, 18}, {507, 18}, {530, 18}}};
constexpr std::array<Span, 5> kArmourColumns{{{554, 18}, {577, 18}, {601, 17}, {624, 17}, {647, 18}}};

constexpr std::array<Span, 10> kWeaponRows{
    {{786, 18}, {805, 18}, {824, 17}, {842, 18}, {861, 18}, {880, 17}, {898, 18}, {917, 18}, {936, 17}, {954, 18}}};
constexpr std::array<Span, 11> kPerkRows{{{1038, 18},
                                          {1057, 17},
                                          {1075, 18},
                                          {1094, 17},
                                          {1112, 18},
                                          {1131, 18},
                                          {1150, 17},
                                          {1168, 18},
                                          {1187, 18},
                                          {1206, 17},
                                          {1224, 18}}};
constexpr std::array<Span, 5> kFlawRows{{{1308, 18}, {1327, 17}, {1345, 18}, {1364, 18}, {1383, 17}}};
constexpr std::array<Span, 3> kDefectRows{{{1466, 18}, {1485, 18}, {1504, 17}}};

// One column of a table: the text of its label in row 1 (every "1" becomes the row number).
struct Cell {
    std::string_view Text;
    SheetAlignment Align;
    Span Column;
};

constexpr auto L = SheetAlignment::Left;
constexpr auto C = SheetAlignment::Centre;

constexpr std::array<Cell, 12> kWeaponCells{{
    {"|WEPSQTY1| |WEPNAME1|", L, {16, 229}},
    {"|WEPCODE1|", C, {246, 46}},
    {"|WEPARC1|", C, {293, 74}},
    {"|WEPSR1|", C, {368, 27}},
    {"|WEPMR1|", C, {396, 26}},
    {"|WEPLR1|", C, {423, 27}},
    {"|WEPEXR1|", C, {451, 27}},
    {"|WEPACC1|", C, {479, 37}},
    {"|WEPDMG1|", C, {517, 36}},
    {"|WEPQTY1|", C, {554, 36}},
    {"|WEPSROF1| |WEPSTR1|", C, {591, 186}},
    {"|WEPAMMO1|", C, {796, 46}},
}};
constexpr std::array<Cell, 4> kPerkCells{{
    {"|PERKNAME1|", L, {16, 257}},
    {"|PERKRATING1|", C, {274, 65}},
    {"|PERKEFFECT1|", L, {342, 537}},
    {"|PERKAUX1|", C, {880, 46}},
}};
constexpr std::array<Cell, 3> kFlawCells{{
    {"|FLAWNAME1|", L, {16, 257}},
    {"|FLAWRATING1|", C, {274, 65}},
    {"|FLAWEFFECT1|", L, {342, 584}},
}};
constexpr std::array<Cell, 3> kDefectCells{{
    {"|DEFECTNAME1|", L, {16, 257}},
    {"|DEFECTRATING1|", C, {274, 65}},
    {"|DEFECTEFFECT1|", L, {342, 584}},
}};

// The labels outside the tables, in stored order after the armour boxes (the name label is
// stored first of all).
struct Single {
    std::string_view Text;
    SheetAlignment Align;
    int Points;
    bool Bold;
    SheetLayoutBox Box; // top, left, height, width
};

constexpr Single kNameLabel{"|NAME|", L, 16, true, {22, 20, 36, 600}};
constexpr std::array<Single, 23> kSingleLabels{{
    {"|CREW|", C, 8, false, {265, 880, 18, 36}},
    {"|BONUSACTIONS|", C, 8, false, {284, 880, 17, 36}},
    {"|MOVNAME1| COMBAT", L, 12, true, {394, 712, 19, 166}},
    {"|MOVNAME1| TOP", L, 12, true, {414, 712, 19, 166}},
    {"|MOVNAME2| COMBAT", L, 12, true, {433, 712, 19, 166}},
    {"|MOVNAME2| TOP", L, 12, true, {452, 712, 19, 166}},
    {"|MOVCOMBATMP1|", C, 8, false, {395, 880, 18, 36}},
    {"|MOVTOPMP1|", C, 8, false, {414, 880, 18, 36}},
    {"|MOVCOMBATMP2|", C, 8, false, {433, 880, 17, 36}},
    {"|MOVTOPMP2|", C, 8, false, {451, 880, 18, 36}},
    {"|MAN|", C, 8, false, {470, 880, 17, 36}},
    {"|DEPLOYMENT|", C, 8, false, {488, 880, 18, 36}},
    {"|SENSRATING|", C, 8, false, {554, 880, 17, 18}},
    {"|SENSRANGE|", C, 8, false, {554, 899, 17, 17}},
    {"|COMMRATING|", C, 8, false, {572, 880, 18, 18}},
    {"|COMMRANGE|", C, 8, false, {572, 899, 18, 17}},
    {"|FICON|", C, 8, false, {591, 880, 18, 36}},
    {"|ARMOR|", C, 8, false, {656, 880, 18, 36}},
    {"|ARMOR*2|", C, 8, false, {675, 880, 17, 36}},
    {"|ARMOR*3|", C, 8, false, {693, 880, 18, 36}},
    {"|TV|", L, 8, false, {693, 156, 18, 71}},
    {"|SIZE|", C, 8, false, {693, 302, 18, 37}},
    {"|COST|", L, 8, false, {693, 427, 18, 238}},
}};

// The box of the single label with this text (the name label included).
constexpr SheetLayoutBox BoxOf(std::string_view text)
{
    if (text == kNameLabel.Text)
        return kNameLabel.Box;
    for (const Single &single : kSingleLabels)
        if (single.Text == text)
            return single.Box;
    return {};
}

} // namespace sheetgeo

} // namespace aw
