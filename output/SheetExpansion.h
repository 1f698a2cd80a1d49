#pragma once

#include "output/SheetFormats.h"

#include <string>

namespace aw {

class Stream;
struct PrintJob;

// Fills a text or HTML sheet template with a print job: the "|MOV>2|" condition, the design
// tokens (exact, then width), the first two movement systems with their stall conditions,
// then the repeated sections for further movement systems, weapons, perks, flaws and defects.
// Throws ConvertError for a width token without a width.
std::string ExpandSheetText(std::string text, const PrintJob &job, const SheetFormats &formats = SheetFormats());

// Reads the template from the stream, expands it and writes the result back in its place,
// positioned at the start.
void ExpandSheet(Stream &stream, const PrintJob &job, const SheetFormats &formats = SheetFormats());

} // namespace aw
