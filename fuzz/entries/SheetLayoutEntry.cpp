#include "fuzz/entries/FuzzEntries.h"

#include "base/Stream.h"
#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetLayout.h"
#include "output/SheetTooLarge.h"
#include "tests/support/SampleSheetJobs.h"

namespace aw {

void FuzzSheetLayout(std::span<const uint8_t> data)
{
    KeepSheetRenderContext(); // fonts need an application object

    SheetLayout layout;
    try {
        layout = ReadSheetLayout(data);
    } catch (const StreamError &) {
        return;
    }
    // A block the reader accepts is written back to the bytes it was read from (items after the
    // last whole one excepted, which the reader leaves out).
    const std::vector<uint8_t> written = SheetLayoutBytes(layout);
    if (written.size() > data.size())
        throw FuzzFinding("a layout writes more bytes than it was read from");

    try {
        const QImage sheet = BuildSheetImageFromLayout(sheettest::EverythingJob(), data);
        if (sheet.isNull())
            throw FuzzFinding("a sheet was drawn as a null image");
    } catch (const SheetBitmapError &) {
    } catch (const ConvertError &) {
    } catch (const SheetTooLarge &) {
    }
}

} // namespace aw
