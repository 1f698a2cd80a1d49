#pragma once

#include "output/SheetLayoutBox.h"

#include <cstdint>

namespace aw {

class Stream;

// A box filled with one colour when the design's armour reaches the threshold and with
// another below it. Fields follow the stored order after the kind byte "S".
struct SheetArmourBox {
    int32_t Threshold = 0;
    uint32_t ColourReached = 0xFFFFFF; // 0x00BBGGRR
    uint32_t ColourBelow = 0x000000;
    SheetLayoutBox Box;

    bool operator==(const SheetArmourBox &) const = default;
};

SheetArmourBox ReadSheetArmourBox(Stream &stream);
void WriteSheetArmourBox(Stream &stream, const SheetArmourBox &box);

} // namespace aw
