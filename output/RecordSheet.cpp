#include "output/RecordSheet.h"

#include "output/PrintJob.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetPainter.h"
#include "output/RecordSheetTokens.h"
#include "output/SheetLayout.h"

// A design's picture comes from its file; a damaged one must not stop the sheet.
static QImage DecodePicture(const std::vector<uint8_t> &picture)
{
    if (picture.empty())
        return {};
    try {
        return LoadSheetBitmap(picture);
    } catch (const ESheetBitmapError &) {
        return {};
    }
}

QImage BuildSheetImageFromLayout(const TPrintJob &job, std::span<const uint8_t> layoutBlock, const TSheetFormats &formats)
{
    const TSheetLayout layout = ReadSheetLayout(layoutBlock);
    const TSheetTokens tokens(job, formats);
    TSheetValues values;
    values.Armor = job.Armor;
    values.Picture = DecodePicture(job.Picture);
    values.ExpandText = [&tokens](const std::string &text) { return tokens.Expand(text); };
    return DrawRecordSheet(layout, values);
}
