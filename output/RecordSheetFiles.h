#pragma once

#include <QImage>
#include <QPageSize>
#include <QRect>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPdfWriter;

namespace aw {

// The record sheet as a lossless PNG file.
std::vector<uint8_t> EncodePng(const QImage &image);
// Encodes first, then writes atomically; throws FileError or ArmorwrightError.
void SavePng(const QImage &image, const std::string &path);

// Draws the sheet onto a page whose printable area is given in the painter's device units,
// placed by PlaceSheetOnPage. The printer and the PDF export both print through this; for a
// printer whose painter starts at the printable area that area is (0, 0, width, height).
void PaintSheetOnPage(QPainter &painter, const QImage &sheet, const QRect &printableArea);

// Device units per inch of the PDF export, chosen so its margin matches a common printer's.
constexpr int kSheetPdfResolution = 300;

// Makes a PDF in memory (kSheetPdfResolution, no page margins, so the whole page is the
// printable area), lets paint draw its pages, then writes it atomically.
void WritePdf(const std::string &path, const QPageSize &pageSize, const QString &title,
              const std::function<void(QPdfWriter &writer)> &paint);

// Writes the sheet as a one-page PDF of the given page size (no page margins, so the whole
// page is the printable area), titled with the design's name (Windows-1252). The document is
// made in memory and written atomically.
void RenderSheetToPdf(const QImage &sheet, const std::string &path, const QPageSize &pageSize,
                      const std::string &title);

} // namespace aw
