#pragma once

#include "output/SheetLayoutBox.h"

// The frame the design's picture is fitted into (kind byte "P", or any unknown kind byte).
struct TSheetPictureFrame {
    TSheetLayoutBox Box;

    bool operator==(const TSheetPictureFrame &) const = default;
};
