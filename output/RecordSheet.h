#pragma once

#include "output/SheetFormats.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

struct TPrintJob;

// Which stored layout a sheet is drawn on.
enum class TSheetLayoutChoice { Print = 0, Image = 1 };

// Draws the record sheet of the job on an uncompressed layout block: the background, then
// every drawing item in order (labels filled from the job, armour boxes by the job's armour,
// the job's picture in its frame). Returns a 24-bit colour image. Throws when the block or
// its background is damaged (nothing is drawn then) and EConvertError for an indexed token
// whose row number is not a whole number. A picture that cannot be decoded leaves the frame
// as the background shows it.
QImage BuildSheetImageFromLayout(const TPrintJob &job, std::span<const uint8_t> layoutBlock,
                                 const TSheetFormats &formats = TSheetFormats());
