#pragma once

#include "output/SheetLayout.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// Helpers shared by the record-sheet tests.
namespace sheettest {

// Makes sure a QGuiApplication exists (fonts need one); kept until the process ends.
void EnsureSheetRendering();

// The image as a bitmap file ("BM"), 8 bits per pixel when it is indexed, else 24.
std::vector<uint8_t> BitmapFileOf(const QImage &image);

// A layout of the sheet's size on a plain background of the given colour, without items.
SheetLayout PlainLayout(QColor background, int width = 1200, int height = 1572);

// A label as the built-in sheet stores them: Arial, window-text colour.
SheetLabel Label(const std::string &text, SheetAlignment align, int points, bool bold, SheetLayoutBox box);

// Pixels darker than mid-grey inside rect, and their bounding box.
int InkCount(const QImage &image, const QRect &rect);
QRect InkBounds(const QImage &image, const QRect &rect);

// The sheet pixel at (x, y) as 0xRRGGBB.
uint32_t RgbAt(const QImage &image, int x, int y);

// What libjpeg reads back from a JPEG file.
struct DecodedJpeg {
    int Width = 0;
    int Height = 0;
    int Components = 0;
    std::vector<uint8_t> Rgb;
    // The pixel at (x, y) as 0xRRGGBB.
    uint32_t At(int x, int y) const;
};

// Decodes with libjpeg itself; false when the library reports an error.
bool DecodeJpeg(const std::vector<uint8_t> &file, DecodedJpeg &out);

} // namespace sheettest

} // namespace aw
