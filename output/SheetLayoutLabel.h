#pragma once

#include "output/SheetLayoutBox.h"

#include <cstdint>
#include <string>

namespace aw {

class Stream;

// Label alignment byte.
enum class SheetAlignment : uint8_t { Left = 0, Right = 1, Centre = 2 };

// Font style bits.
namespace sheetstyle {
constexpr uint8_t Bold = 0x01;
constexpr uint8_t Italic = 0x02;
constexpr uint8_t Underline = 0x04;
constexpr uint8_t StrikeOut = 0x08;
} // namespace sheetstyle

// A text drawn into a box of the sheet; the text may hold sheet tokens. Fields follow the
// stored order after the kind byte "L". Texts are single-byte Windows-1252.
struct SheetLabel {
    std::string Text;
    uint8_t Alignment = 0;  // SheetAlignment; other values draw left-aligned
    uint32_t Colour = 0;    // 0x00BBGGRR, or a system colour when the top bit is set
    int32_t FontHeight = 0; // pixels, negative for character height; replaced by PointSize
    uint8_t CharSet = 0;
    std::string FontName;
    uint8_t Pitch = 0;
    int32_t PointSize = 0;
    uint8_t Style = 0; // sheetstyle bits
    SheetLayoutBox Box;

    bool operator==(const SheetLabel &) const = default;
};

// Reads the fields after the kind byte. Throws StreamError when the data ends early or
// a stored length claims more bytes than remain.
SheetLabel ReadSheetLabel(Stream &stream);
// Writes the fields after the kind byte.
void WriteSheetLabel(Stream &stream, const SheetLabel &label);

} // namespace aw
