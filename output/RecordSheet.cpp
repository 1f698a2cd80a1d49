#include "output/RecordSheet.h"

#include "base/Stream.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetPainter.h"
#include "output/RecordSheetTokens.h"
#include "output/SheetLayout.h"
#include "storage/DataBlock.h"

namespace aw {

// A design's picture comes from its file; a damaged one must not stop the sheet.
static QImage DecodePicture(const std::vector<uint8_t> &picture)
{
    if (picture.empty())
        return {};
    try {
        return LoadSheetBitmap(picture);
    } catch (const SheetBitmapError &) {
        return {};
    }
}

QImage BuildSheetImageFromLayout(const PrintJob &job, std::span<const uint8_t> layoutBlock, const SheetFormats &formats)
{
    const SheetLayout layout = ReadSheetLayout(layoutBlock);
    const SheetTokens tokens(job, formats);
    SheetValues values;
    values.Armor = job.Armor;
    values.Picture = DecodePicture(job.Picture);
    values.ExpandText = [&tokens](const std::string &text) { return tokens.Expand(text); };
    return DrawRecordSheet(layout, values);
}

std::vector<uint8_t> SheetLayoutBlock(int layout, const std::string &folder)
{
    Stream block = layout == static_cast<int>(SheetLayoutChoice::Print) ? OpenDataBlock("Print.zel", "PRINT", folder)
                                                                        : OpenDataBlock("Jpeg.zel", "JPEG", folder);
    return block.TakeBytes();
}

QImage BuildSheetImage(const PrintJob &job, int layout, const SheetFormats &formats, const std::string &folder)
{
    return BuildSheetImageFromLayout(job, SheetLayoutBlock(layout, folder), formats);
}

void SaveSheetJpeg(const PrintJob &job, const std::string &path, const SheetFormats &formats, const std::string &folder)
{
    SaveJpeg(BuildSheetImage(job, static_cast<int>(SheetLayoutChoice::Image), formats, folder), path);
}

} // namespace aw
