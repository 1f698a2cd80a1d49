#include "output/SheetTemplate.h"

#include "base/Stream.h"
#include "storage/DataBlock.h"

std::string SheetTemplate(TSheetKind kind, const std::string &folder)
{
    const TStream block = kind == TSheetKind::Html ? OpenDataBlock("html.zel", "HTML", folder)
                                                   : OpenDataBlock("Text.zel", "TEXT", folder);
    return std::string(block.Bytes().begin(), block.Bytes().end());
}

namespace {

TStream sheetStream(TSheetKind kind, const TPrintJob &job, const TSheetFormats &formats)
{
    const std::string sheet = SheetFromTemplate(kind, SheetTemplate(kind), job, formats);
    TStream stream;
    stream.WriteBuffer(sheet.data(), sheet.size());
    stream.Seek(0);
    return stream;
}

} // namespace

TStream BuildTextSheet(const TPrintJob &job, const TSheetFormats &formats)
{
    return sheetStream(TSheetKind::Text, job, formats);
}

TStream BuildHtmlSheet(const TPrintJob &job, const TSheetFormats &formats)
{
    return sheetStream(TSheetKind::Html, job, formats);
}

void SaveSheet(TSheetKind kind, const std::string &path, const TPrintJob &job, const TSheetFormats &formats)
{
    SaveSheet(kind, path, SheetTemplate(kind), job, formats);
}
