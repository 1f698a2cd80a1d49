#pragma once

#include <QImage>

namespace aw {

// Draws the blank record-sheet form (the background of the built-in layout): a black-and-white
// 1200 x 1572 image in Format_Grayscale8 whose fields frame the drawing items' boxes. Needs a
// QGuiApplication for its captions.
QImage DrawSheetForm();

} // namespace aw
