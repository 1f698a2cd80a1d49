#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace aw {

// Designs keep their picture as the bytes of a Windows bitmap file. These read a picture
// file of any format Qt reads into those bytes, and decode the bytes for display.

// The widest and tallest picture the Info page shows in full; larger ones are offered to be
// scaled down to it before they are stored.
constexpr int kShownPictureSide = 1600;

// The picture dialog's filter: every image type Qt reads first, then bitmaps, then all files.
QString PictureDialogFilter();

// The picture at path as 24-bit bitmap file bytes. When it cannot be taken (unreadable,
// not a picture, or larger than the design file accepts) returns nothing and sets problem
// to a message for the user; the size is checked before any pixel is decoded.
// scaleDown is asked about a picture larger than kShownPictureSide on a side; when it
// answers true the picture is scaled, keeping its proportions, to fit that size.
std::vector<uint8_t> PictureForDesign(const QString &path, QString &problem,
                                      const std::function<bool(const QSize &)> &scaleDown);

// The design's picture for display; a null image when there is none or it cannot be decoded.
QImage PictureFromDesign(const std::vector<uint8_t> &bytes);

} // namespace aw
