#pragma once

#include "base/Files.h"
#include "output/SheetFormats.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace aw {

struct PrintJob;

// Which stored layout a sheet is drawn on: 0 the print layout ("Print.zel" / "PRINT"), any
// other value the image layout ("Jpeg.zel" / "JPEG"). The JPEG export and printing use Image.
enum class SheetLayoutChoice { Print = 0, Image = 1 };

// Draws the record sheet of the job on an uncompressed layout block: the background, then
// every drawing item in order (labels filled from the job, armour boxes by the job's armour,
// the job's picture in its frame). Returns a 24-bit colour image. Throws when the block or
// its background is damaged (nothing is drawn then) and ConvertError for an indexed token
// whose row number is not a whole number. A picture that cannot be decoded leaves the frame
// as the background shows it.
QImage BuildSheetImageFromLayout(const PrintJob &job, std::span<const uint8_t> layoutBlock,
                                 const SheetFormats &formats = SheetFormats());

// An uncompressed layout block and the override file it was read from; no file for the
// built-in layout.
struct SheetLayoutSource {
    std::vector<uint8_t> Block;
    std::string OverrideFile;
};

// BuildSheetImageFromLayout on the source's block, except that a fault of an override layout
// (the block or its background damaged, a label's token whose row number is no number) fails
// with a FileError naming the file, so it is not taken for the design's.
QImage BuildSheetImageFromLayout(const PrintJob &job, const SheetLayoutSource &layout,
                                 const SheetFormats &formats = SheetFormats());

// The current layout: the override file in folder when it exists, else the built-in block;
// read anew each time. Throws FileError naming an override file that is not a valid container.
SheetLayoutSource CurrentSheetLayout(int layout, const std::string &folder = ProgramFolder());

// The current layout's block alone.
std::vector<uint8_t> SheetLayoutBlock(int layout, const std::string &folder = ProgramFolder());

// The record sheet of the job on the current layout.
QImage BuildSheetImage(const PrintJob &job, int layout, const SheetFormats &formats = SheetFormats(),
                       const std::string &folder = ProgramFolder());

// The JPEG export: the sheet on the image layout, encoded whole, then written atomically.
// Any failure (layout, tokens, encoding, writing) leaves no file and an existing one as it was.
void SaveSheetJpeg(const PrintJob &job, const std::string &path, const SheetFormats &formats = SheetFormats(),
                   const std::string &folder = ProgramFolder());

} // namespace aw
