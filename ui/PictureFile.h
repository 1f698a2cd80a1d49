#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// Designs keep their picture as the bytes of a Windows bitmap file. These read a picture
// file of any format Qt reads into those bytes, and decode the bytes for display.

// The picture at path as 24-bit bitmap file bytes. When it cannot be taken (unreadable,
// not a picture, or larger than the design file accepts) returns nothing and sets problem
// to a message for the user; the size is checked before any pixel is decoded.
std::vector<uint8_t> PictureForDesign(const QString &path, QString &problem);

// The design's picture for display; a null image when there is none or it cannot be decoded.
QImage PictureFromDesign(const std::vector<uint8_t> &bytes);
