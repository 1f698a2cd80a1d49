#include "output/RecordSheetColour.h"

#include <array>

namespace aw {

// The standard desktop's system colours by index, as 0xRRGGBB.
static constexpr std::array<uint32_t, 31> kSystemColours = {
    0xC8C8C8, // 0 scroll bar
    0x000000, // 1 desktop
    0x99B4D1, // 2 active caption
    0xBFCDDB, // 3 inactive caption
    0xF0F0F0, // 4 menu
    0xFFFFFF, // 5 window
    0x646464, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0x000000, // 9 caption text
    0xB4B4B4, // 10 active border
    0xF4F7FC, // 11 inactive border
    0xABABAB, // 12 application workspace
    0x0078D7, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xF0F0F0, // 15 button face
    0xA0A0A0, // 16 button shadow
    0x6D6D6D, // 17 grey text
    0x000000, // 18 button text
    0x000000, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x696969, // 21 3-D dark shadow
    0xE3E3E3, // 22 3-D light
    0x000000, // 23 info text
    0xFFFFE1, // 24 info background
    0x000000, // 25 unused
    0x0066CC, // 26 hot light
    0xB9D1EA, // 27 gradient active caption
    0xD7E4F2, // 28 gradient inactive caption
    0x3399FF, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

QColor SheetColour(uint32_t value)
{
    if (value & 0x80000000u) {
        const uint32_t index = value & 0xFFu;
        const uint32_t rgb = index < kSystemColours.size() ? kSystemColours[index] : 0;
        return QColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace aw
