#pragma once

#include "base/ArmorwrightError.h"

#include <cstddef>
#include <string>

namespace aw {

// The most characters a filled sheet or sheet text may have. Values are expanded again by
// later tokens (a note holding "|NAME|" shows the name), so a design whose texts name each
// other's tokens over and over would otherwise grow without bound.
constexpr size_t kMaxSheetText = size_t{8} * 1024 * 1024;

// A sheet would grow beyond kMaxSheetText characters.
class SheetTooLarge : public ArmorwrightError {
public:
    SheetTooLarge()
        : ArmorwrightError("The sheet would be larger than " + std::to_string(kMaxSheetText / (1024 * 1024)) +
                           " MB: the design's texts are too long, or name sheet tokens over and over")
    {
    }
};

// Throws SheetTooLarge when size is above kMaxSheetText.
inline void RequireSheetSize(size_t size)
{
    if (size > kMaxSheetText)
        throw SheetTooLarge();
}

} // namespace aw
