// The write-fault sweep of SaveFaultInjectionTest.cpp for the sheet exports, which draw
// through Qt.
#include "HardeningSupport.h"
#include "WriteFaultSweep.h"

#include "base/Files.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetExport.h"
#include "output/SheetTemplate.h"
#include "storage/DataBlock.h"
#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

const char *const kNoOverrides = "/nonexistent-aw-folder/";

TEST(SaveFaultInjection, TextAndHtmlExportsKeepThePreviousFile)
{
    const PrintJob &job = sheettest::EverythingJob();
    for (SheetKind kind : {SheetKind::Text, SheetKind::Html}) {
        TempFolder folder;
        const std::string name = kind == SheetKind::Html ? "sheet.html" : "sheet.txt";
        const std::string path = folder / name;
        hardening::PutFile(path, {'o', 'l', 'd'});
        // A template that repeats the weapon rows until the sheet needs several writes.
        std::string templateText = SheetTemplate(kind, kNoOverrides);
        while (templateText.size() < 200 * 1024)
            templateText += templateText;
        hardening::SweepWriteFaults(folder, name, [&] { SaveSheet(kind, path, templateText, job); });
        const std::vector<uint8_t> written = ReadWholeFile(path);
        EXPECT_EQ(std::string(written.begin(), written.end()), SheetFromTemplate(kind, templateText, job));
    }
}

TEST(SaveFaultInjection, JpegExportKeepsThePreviousFile)
{
    KeepSheetRenderContext();
    TempFolder folder;
    const std::string path = folder / "sheet.jpg";
    hardening::PutFile(path, {0xFF, 0xD8, 0xFF, 0xD9});
    const Stream layout = OpenDataBlock("Jpeg.zel", "JPEG", kNoOverrides);
    const QImage sheet = BuildSheetImageFromLayout(sheettest::EverythingJob(), layout.Bytes());
    ASSERT_FALSE(sheet.isNull());

    hardening::SweepWriteFaults(folder, "sheet.jpg", [&] { SaveJpeg(sheet, path); });
    EXPECT_EQ(ReadWholeFile(path), EncodeJpeg(sheet));
}

} // namespace

} // namespace aw
