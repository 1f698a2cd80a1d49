#pragma once

#include "base/Files.h"
#include "base/Stream.h"
#include "output/SheetExport.h"

#include <string>

namespace aw {

// The current template of a sheet: the override file ("Text.zel", "html.zel") in folder when it
// exists, else the built-in block ("TEXT", "HTML"). Read anew for every export, so a template
// placed beside the program takes effect at the next export. Throws FileError naming an
// override file that is not a valid container.
std::string SheetTemplate(SheetKind kind, const std::string &folder = ProgramFolder());

// The sheets from the current templates, in a memory stream positioned at its start.
Stream BuildTextSheet(const PrintJob &job, const SheetFormats &formats = SheetFormats());
Stream BuildHtmlSheet(const PrintJob &job, const SheetFormats &formats = SheetFormats());

// Writes the sheet from the current template to path (see SaveSheet with a template).
void SaveSheet(SheetKind kind, const std::string &path, const PrintJob &job,
               const SheetFormats &formats = SheetFormats());

} // namespace aw
