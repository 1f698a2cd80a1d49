#pragma once

#include "output/SheetFormats.h"

#include <string>

namespace aw {

struct PrintJob;

// The two template sheets a design exports.
enum class SheetKind { Text, Html };

// What the save dialog of an export offers.
struct SheetSaveDialog {
    const char *DefaultExtension;
    const char *Filter; // description|patterns pairs
};
SheetSaveDialog SheetSaveDialogFor(SheetKind kind);

// The finished sheet of the job from the given template (the HTML sheet escapes the job's texts).
// Throws ConvertError for a width token without a width.
std::string SheetFromTemplate(SheetKind kind, const std::string &templateText, const PrintJob &job,
                              const SheetFormats &formats = SheetFormats());

// Writes the sheet to path, replacing an existing file. The whole sheet is made before the file
// is touched and then written atomically: a template or write error leaves no partial file and
// an existing file as it was.
void SaveSheet(SheetKind kind, const std::string &path, const std::string &templateText, const PrintJob &job,
               const SheetFormats &formats = SheetFormats());

} // namespace aw
