#pragma once

#include <QColor>

#include <cstdint>

namespace aw {

// A stored sheet colour: 0x00BBGGRR, or, with the top bit set, the system colour whose index
// is the low byte (0x80000008 is the window-text colour). System colours take the standard
// desktop values so a sheet looks the same on every machine; unknown indexes are black.
QColor SheetColour(uint32_t value);

} // namespace aw
