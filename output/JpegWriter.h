#pragma once

#include "base/ArmorwrightError.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The JPEG library refused the image; the message is the library's.
class JpegError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// The quality record sheets are saved with.
constexpr int kSheetJpegQuality = 85;

// Encodes the image as a baseline JPEG with 24-bit colour (three 8-bit components) through
// libjpeg. Throws JpegError for an empty image or a library failure.
std::vector<uint8_t> EncodeJpeg(const QImage &image, int quality = kSheetJpegQuality);

// Encodes the whole image first, then writes the file atomically: a failure never leaves a
// partial or empty file and never destroys an existing one.
void SaveJpeg(const QImage &image, const std::string &path, int quality = kSheetJpegQuality);

} // namespace aw
