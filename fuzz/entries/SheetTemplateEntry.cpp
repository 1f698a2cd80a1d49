#include "fuzz/entries/FuzzEntries.h"

#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "output/SheetExport.h"
#include "output/SheetTooLarge.h"
#include "tests/support/SampleSheetJobs.h"

namespace aw {

void FuzzSheetTemplate(std::span<const uint8_t> data)
{
    if (data.empty())
        return;
    const SheetKind kind = data[0] % 2 == 0 ? SheetKind::Text : SheetKind::Html;
    const std::string templateText(data.begin() + 1, data.end());
    try {
        SheetFromTemplate(kind, templateText, sheettest::EverythingJob());
    } catch (const ConvertError &) {
    } catch (const SheetTooLarge &) {
    }
}

} // namespace aw
