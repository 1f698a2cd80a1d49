#include "output/SheetExport.h"

#include "base/Files.h"
#include "base/Utf8Path.h"
#include "output/HtmlSheet.h"
#include "output/PrintJob.h"
#include "output/SheetExpansion.h"

namespace aw {

SheetSaveDialog SheetSaveDialogFor(SheetKind kind)
{
    if (kind == SheetKind::Html)
        return {"html", "HTML Files|*.html;*.htm|All Files|*.*"};
    return {"txt", "Text Files|*.txt|All Files|*.*"};
}

std::string SheetFromTemplate(SheetKind kind, const std::string &templateText, const PrintJob &job,
                              const SheetFormats &formats)
{
    if (kind == SheetKind::Html)
        return HtmlSheetText(templateText, job, formats);
    return ExpandSheetText(templateText, job, formats);
}

void SaveSheet(SheetKind kind, const std::string &path, const std::string &templateText, const PrintJob &job,
               const SheetFormats &formats)
{
    WriteFileAtomically(PathFromUtf8(path), SheetFromTemplate(kind, templateText, job, formats));
}

} // namespace aw
