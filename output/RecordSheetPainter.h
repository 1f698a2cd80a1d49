#pragma once

#include "output/SheetLayout.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <string>

class QFont;
class QPainter;

namespace aw {

// What the drawing items show of a design: the armour for the armour boxes, the picture for
// the frame, and the expansion of a label's text (tokens to values).
struct SheetValues {
    int32_t Armor = 0;
    QImage Picture;                                             // null or empty: the frame shows the background
    std::function<std::string(const std::string &)> ExpandText; // unset: texts are drawn as stored
};

// Draws every item of the layout, in order, over its background and returns the sheet as a
// 24-bit colour image. Needs a QGuiApplication (fonts); see SheetRenderContext.
QImage DrawRecordSheet(const SheetLayout &layout, const SheetValues &values);

// The pieces, for callers that draw on a canvas of their own.
void DrawSheetLabel(QPainter &painter, const SheetLabel &label, const std::string &text);
void DrawSheetArmourBox(QPainter &painter, const SheetArmourBox &box, int32_t armor);
void DrawSheetPicture(QPainter &painter, const SheetPictureFrame &frame, const QImage &picture);

// The label's font: its name and style, sized in pixels from the point size (at 96 pixels per
// inch) or, without a point size, from the stored height.
QFont SheetLabelFont(const SheetLabel &label);
// The rectangle the picture is stretched into: its aspect ratio kept, centred in the frame.
QRect FitPictureInFrame(int pictureWidth, int pictureHeight, const SheetLayoutBox &frame);

} // namespace aw
