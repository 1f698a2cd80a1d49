#include "output/RecordSheet.h"

#include "base/Stream.h"
#include "base/Utf8Path.h"
#include "output/ConvertError.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetPainter.h"
#include "output/RecordSheetTokens.h"
#include "output/SheetLayout.h"
#include "output/SheetTooLarge.h"
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

// Whether a label of the layout holds a token whose row number is no number: it fails whatever
// the design, unlike such a token in a design's text that a label's token brings in.
static bool LabelHoldsABrokenToken(std::span<const uint8_t> layoutBlock, const SheetFormats &formats)
{
    const SheetTokens tokens(PrintJob(), formats);
    for (const SheetItem &item : ReadSheetLayout(layoutBlock).Items) {
        try {
            if (const auto *label = std::get_if<SheetLabel>(&item))
                tokens.Expand(label->Text);
        } catch (const ConvertError &) {
            return true;
        }
    }
    return false;
}

static FileError OverrideFault(const std::string &file, const ArmorwrightError &error)
{
    return FileError(ErrorText("The override file ").File(file).SystemText(": " + error.Utf8()));
}

QImage BuildSheetImageFromLayout(const PrintJob &job, const SheetLayoutSource &layout, const SheetFormats &formats)
{
    if (layout.OverrideFile.empty())
        return BuildSheetImageFromLayout(job, layout.Block, formats);
    try {
        return BuildSheetImageFromLayout(job, layout.Block, formats);
    } catch (const SheetTooLarge &) {
        throw; // the design's texts
    } catch (const ConvertError &e) {
        if (!LabelHoldsABrokenToken(layout.Block, formats))
            throw;
        throw OverrideFault(layout.OverrideFile, e);
    } catch (const ArmorwrightError &e) {
        throw OverrideFault(layout.OverrideFile, e);
    }
}

SheetLayoutSource CurrentSheetLayout(int layout, const std::string &folder)
{
    const bool print = layout == static_cast<int>(SheetLayoutChoice::Print);
    const std::string fileName = print ? "Print.zel" : "Jpeg.zel";
    SheetLayoutSource source;
    source.Block = OpenDataBlock(fileName, print ? "PRINT" : "JPEG", folder).TakeBytes();
    if (FileExists(PathFromUtf8(folder + fileName)))
        source.OverrideFile = folder + fileName;
    return source;
}

std::vector<uint8_t> SheetLayoutBlock(int layout, const std::string &folder)
{
    return CurrentSheetLayout(layout, folder).Block;
}

QImage BuildSheetImage(const PrintJob &job, int layout, const SheetFormats &formats, const std::string &folder)
{
    return BuildSheetImageFromLayout(job, CurrentSheetLayout(layout, folder), formats);
}

void SaveSheetJpeg(const PrintJob &job, const std::string &path, const SheetFormats &formats, const std::string &folder)
{
    SaveJpeg(BuildSheetImage(job, static_cast<int>(SheetLayoutChoice::Image), formats, folder), path);
}

} // namespace aw
