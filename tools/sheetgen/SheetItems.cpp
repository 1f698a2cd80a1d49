#include "tools/sheetgen/SheetItems.h"

#include "tools/sheetgen/SheetGeometry.h"

#include <string>

namespace aw {

using namespace sheetgeo;

namespace {

constexpr uint32_t kWindowTextColour = 0x80000008;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

SheetLabel MakeLabel(std::string_view text, SheetAlignment align, int points, bool bold, SheetLayoutBox box)
{
    SheetLabel label;
    label.Text = std::string(text);
    label.Alignment = static_cast<uint8_t>(align);
    label.Colour = kWindowTextColour;
    label.FontHeight = -(points * 96 + 36) / 72; // character height in pixels at 96 per inch
    label.CharSet = 0;
    label.FontName = "Arial";
    label.Pitch = 0;
    label.PointSize = points;
    label.Style = bold ? sheetstyle::Bold : 0;
    label.Box = box;
    return label;
}

// The row-1 text with every "1" replaced by the row number.
std::string ForRow(std::string_view text, int row)
{
    std::string result;
    for (const char c : text) {
        if (c == '1')
            result += std::to_string(row);
        else
            result += c;
    }
    return result;
}

template <size_t Rows, size_t Cells>
void AddTable(std::vector<SheetItem> &items, const std::array<Span, Rows> &rows, const std::array<Cell, Cells> &cells)
{
    for (size_t r = 0; r < Rows; ++r) {
        for (const Cell &cell : cells) {
            const SheetLayoutBox box{rows[r].Start, cell.Column.Start, rows[r].Size, cell.Column.Size};
            items.push_back(MakeLabel(ForRow(cell.Text, static_cast<int>(r) + 1), cell.Align, 8, false, box));
        }
    }
}

} // namespace

std::vector<SheetItem> BuiltInSheetItems()
{
    std::vector<SheetItem> items;
    items.push_back(MakeLabel(kNameLabel.Text, kNameLabel.Align, kNameLabel.Points, kNameLabel.Bold, kNameLabel.Box));
    items.push_back(SheetPictureFrame{kPictureFrame});
    for (int k = 1; k <= kArmourBoxes; ++k) {
        const Span row = kArmourRows[static_cast<size_t>((k - 1) / 5)];
        const Span column = kArmourColumns[static_cast<size_t>((k - 1) % 5)];
        items.push_back(SheetArmourBox{k, kWhite, kBlack, {row.Start, column.Start, row.Size, column.Size}});
    }
    for (const Single &single : kSingleLabels)
        items.push_back(MakeLabel(single.Text, single.Align, single.Points, single.Bold, single.Box));
    AddTable(items, kWeaponRows, kWeaponCells);
    AddTable(items, kPerkRows, kPerkCells);
    AddTable(items, kFlawRows, kFlawCells);
    AddTable(items, kDefectRows, kDefectCells);
    return items;
}

} // namespace aw
