#pragma once

#include "output/SheetLayoutBox.h"

namespace aw {

// The frame the design's picture is fitted into (kind byte "P", or any unknown kind byte).
struct SheetPictureFrame {
    SheetLayoutBox Box;

    bool operator==(const SheetPictureFrame &) const = default;
};

} // namespace aw
