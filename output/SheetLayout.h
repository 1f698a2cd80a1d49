#pragma once

#include "output/SheetLayoutArmourBox.h"
#include "output/SheetLayoutLabel.h"
#include "output/SheetLayoutPictureFrame.h"

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace aw {

class Stream;

// Kind bytes of the stored drawing items.
namespace sheetkind {
constexpr uint8_t Label = 0x4C;        // "L"
constexpr uint8_t ArmourBox = 0x53;    // "S"
constexpr uint8_t PictureFrame = 0x50; // "P"; any unknown kind byte is read as a picture frame
} // namespace sheetkind

using SheetItem = std::variant<SheetLabel, SheetArmourBox, SheetPictureFrame>;

// The record-sheet layout block: the background bitmap file and the drawing items, in the
// order they are drawn.
struct SheetLayout {
    std::vector<uint8_t> Background; // a whole bitmap file ("BM" header)
    std::vector<SheetItem> Items;
};

// Reads a layout block from the stream's position. The stored background length and every
// stored text length are checked against the bytes that remain before anything is allocated,
// so a damaged block throws StreamError instead of reading or allocating wildly. A block that
// ends cleanly between two items holds fewer items than its count says: the items read so far
// are kept. A block that ends inside an item throws.
SheetLayout ReadSheetLayout(Stream &stream);
SheetLayout ReadSheetLayout(std::span<const uint8_t> block);

// Writes the block: background length and bytes, item count, items.
void WriteSheetLayout(Stream &stream, const SheetLayout &layout);
std::vector<uint8_t> SheetLayoutBytes(const SheetLayout &layout);

} // namespace aw
