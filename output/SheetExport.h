#pragma once

#include "output/SheetFormats.h"

#include <string>

struct TPrintJob;

// The two template sheets a design exports.
enum class TSheetKind { Text, Html };

// What the save dialog of an export offers.
struct TSheetSaveDialog {
    const char *DefaultExtension;
    const char *Filter; // description|patterns pairs
};
TSheetSaveDialog SheetSaveDialog(TSheetKind kind);

// The finished sheet of the job from the given template (the HTML sheet escapes the job's texts).
// Throws EConvertError for a width token without a width.
std::string SheetFromTemplate(TSheetKind kind, const std::string &templateText, const TPrintJob &job,
                              const TSheetFormats &formats = TSheetFormats());

// Writes the sheet to path, replacing an existing file. The whole sheet is made before the file
// is touched and then written atomically: a template or write error leaves no partial file and
// an existing file as it was.
void SaveSheet(TSheetKind kind, const std::string &path, const std::string &templateText, const TPrintJob &job,
               const TSheetFormats &formats = TSheetFormats());
