#include "output/SheetTemplate.h"

#include "base/Stream.h"
#include "storage/DataBlock.h"

namespace aw {

std::string SheetTemplate(SheetKind kind, const std::string &folder)
{
    const Stream block =
        kind == SheetKind::Html ? OpenDataBlock("html.zel", "HTML", folder) : OpenDataBlock("Text.zel", "TEXT", folder);
    return std::string(block.Bytes().begin(), block.Bytes().end());
}

namespace {

Stream SheetStream(SheetKind kind, const PrintJob &job, const SheetFormats &formats)
{
    const std::string sheet = SheetFromTemplate(kind, SheetTemplate(kind), job, formats);
    Stream stream;
    stream.WriteBuffer(sheet.data(), sheet.size());
    stream.Seek(0);
    return stream;
}

} // namespace

Stream BuildTextSheet(const PrintJob &job, const SheetFormats &formats)
{
    return SheetStream(SheetKind::Text, job, formats);
}

Stream BuildHtmlSheet(const PrintJob &job, const SheetFormats &formats)
{
    return SheetStream(SheetKind::Html, job, formats);
}

void SaveSheet(SheetKind kind, const std::string &path, const PrintJob &job, const SheetFormats &formats)
{
    SaveSheet(kind, path, SheetTemplate(kind), job, formats);
}

} // namespace aw
