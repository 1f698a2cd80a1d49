#pragma once

#include <cstdint>

namespace aw {

class Stream;

// The rectangle of a sheet-layout item as stored: top, left, height, width (32-bit each).
// The right and bottom edges (left + width, top + height) are exclusive.
struct SheetLayoutBox {
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Height = 0;
    int32_t Width = 0;

    int32_t Right() const { return Left + Width; }
    int32_t Bottom() const { return Top + Height; }
    // Non-empty and within a range where edges cannot overflow; other boxes are not drawn.
    bool IsDrawable() const
    {
        constexpr int32_t limit = 1 << 24;
        return Width > 0 && Height > 0 && Width < limit && Height < limit && Left > -limit && Left < limit &&
               Top > -limit && Top < limit;
    }
    bool operator==(const SheetLayoutBox &) const = default;
};

SheetLayoutBox ReadSheetLayoutBox(Stream &stream);
void WriteSheetLayoutBox(Stream &stream, const SheetLayoutBox &box);

} // namespace aw
