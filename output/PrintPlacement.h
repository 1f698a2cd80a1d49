#pragma once

#include <QRect>
#include <QSize>

namespace aw {

// Device units the printable area is shrunk by at its right and bottom edges, and the offset
// the fitted sheet is then moved right and down by: a margin of half the shrink on each side.
constexpr int kPrintShrink = 100;
constexpr int kPrintOffset = 50;

// Where a sheet image goes on a page: the printable area less kPrintShrink at the right and
// bottom, the image fitted into it with its aspect ratio kept (the smaller of the two scales,
// the scaled size truncated to whole units, the spare width or height split evenly with the
// odd unit at the far edge), moved right and down by kPrintOffset. An empty image or an area
// too small to hold anything gives an empty rectangle.
QRect PlaceSheetOnPage(QSize image, QRect printableArea);

} // namespace aw
