#pragma once

class QFontMetrics;

namespace aw {

// A width laid out for the designed font (8-point, about 5 pixels a character) scaled to
// the font in use, so that grid columns of the designed widths still show their texts.
int DesignedWidth(const QFontMetrics &metrics, int designed);

} // namespace aw
