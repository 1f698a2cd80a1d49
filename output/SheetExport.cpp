#include "output/SheetExport.h"

#include "base/Files.h"
#include "output/HtmlSheet.h"
#include "output/PrintJob.h"
#include "output/SheetExpansion.h"

TSheetSaveDialog SheetSaveDialog(TSheetKind kind)
{
    if (kind == TSheetKind::Html)
        return {"html", "HTML Files|*.html;*.htm|All Files|*.*"};
    return {"txt", "Text Files|*.txt|All Files|*.*"};
}

std::string SheetFromTemplate(TSheetKind kind, const std::string &templateText, const TPrintJob &job,
                              const TSheetFormats &formats)
{
    if (kind == TSheetKind::Html)
        return HtmlSheetText(templateText, job, formats);
    return ExpandSheetText(templateText, job, formats);
}

void SaveSheet(TSheetKind kind, const std::string &path, const std::string &templateText, const TPrintJob &job,
               const TSheetFormats &formats)
{
    WriteFileAtomically(path, SheetFromTemplate(kind, templateText, job, formats));
}
