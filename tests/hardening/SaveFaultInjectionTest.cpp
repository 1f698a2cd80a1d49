// Saving with the k-th low-level write failing, for every k until the save goes through:
// each failed save must report the error, keep the previous file byte for byte and leave no
// temporary file behind.
#include "HardeningSupport.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetExport.h"
#include "output/SheetTemplate.h"
#include "storage/CustomWeaponFile.h"
#include "storage/DataBlock.h"
#include "storage/Libraries.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace aw {

namespace {

const char *const kNoOverrides = "/nonexistent-aw-folder/";

// Fails the k-th write (counting from 1) while it lives.
class FailingWrite {
public:
    explicit FailingWrite(int k)
    {
        SetWriteFaultInjector([this, k] { return ++m_calls != k; });
    }
    ~FailingWrite() { SetWriteFaultInjector({}); }
    int Calls() const { return m_calls; }

private:
    int m_calls = 0;
};

// Runs save with the k-th write failing for k = 1, 2, ... until it succeeds. Returns how many
// saves failed. `file` is the file the save writes, already holding an earlier version (or
// absent).
int SweepWriteFaults(const TempFolder &folder, const std::string &file, const std::function<void()> &save)
{
    const auto before = folder.Contents();
    int failures = 0;
    for (int k = 1; k < 1000; ++k) {
        FailingWrite fault(k);
        try {
            save();
        } catch (const FileError &e) {
            ++failures;
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << "the error names the file: " << e.what();
            EXPECT_EQ(folder.Contents(), before) << "write " << k << " failed: the folder changed";
            continue;
        }
        // Every earlier write was made to fail in turn; this save made one write fewer than k.
        EXPECT_EQ(fault.Calls(), k - 1) << "the number of writes of a save changed between attempts";
        break;
    }
    const auto after = folder.Contents();
    EXPECT_EQ(after.size(), before.size() + (before.count(file) ? 0 : 1)) << "only the saved file is new";
    EXPECT_TRUE(after.count(file)) << file << " was not written";
    return failures;
}

TEST(SaveFaultInjection, DesignSaveKeepsThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder / "design.vkd";
    std::vector<samples::SampleDesign> designs = samples::SampleDesigns();
    SaveDesignFile(*designs.front().Design, path);

    // A picture of noise that does not compress: the file takes several writes.
    Vehicle &big = *designs.back().Design;
    big.Picture = samples::BitmapFile(400, 300, 24, 1234);
    const int failures = SweepWriteFaults(folder, "design.vkd", [&] { SaveDesignFile(big, path); });
    EXPECT_GE(failures, 3) << "a design this size is written in several pieces";

    const LoadedDesign reread = LoadDesignFile(path);
    EXPECT_EQ(BodyOf(*reread.Design), BodyOf(big));
}

TEST(SaveFaultInjection, FirstDesignSaveLeavesNoFileWhenItFails)
{
    TempFolder folder;
    const std::vector<samples::SampleDesign> designs = samples::SampleDesigns();
    const std::string path = folder / "new.vkd";
    EXPECT_GE(SweepWriteFaults(folder, "new.vkd", [&] { SaveDesignFile(*designs[1].Design, path); }), 1);
}

TEST(SaveFaultInjection, CustomWeaponFileKeepsThePreviousFile)
{
    TempFolder folder;
    const Libraries &libs = samples::BuiltInLibraries();
    BaseWeaponList custom;
    for (int type = 0; type < kWeaponTypeCount; ++type)
        for (int i = 0; i < libs.WeaponList(type).Count(); ++i) {
            WeaponRecord record = libs.WeaponList(type).Get(i);
            record.WeaponType = kCustomWeaponType;
            custom.Add(record);
        }
    BaseWeaponList earlier;
    earlier.Add(custom.Get(0));
    SaveCustomWeaponFile(earlier, folder.Folder());

    SweepWriteFaults(folder, kCustomWeaponFile, [&] { SaveCustomWeaponFile(custom, folder.Folder()); });
    const std::vector<WeaponRecord> reread = ReadCustomWeaponFile(folder.Folder());
    ASSERT_EQ(static_cast<int>(reread.size()), custom.Count());
    EXPECT_EQ(reread.back(), custom.Get(custom.Count() - 1));
}

TEST(SaveFaultInjection, SettingsFileKeepsThePreviousFile)
{
    TempFolder folder;
    Libraries libraries;
    libraries.Positions.StoreWindowPosition(0, {1, 2, 3, 4});
    hardening::PutFile(folder / kScreenFile, libraries.Positions.FileBytes());
    libraries.Positions.StoreWindowPosition(0, {10, 20, 300, 400});
    const std::vector<uint8_t> expected = libraries.Positions.FileBytes();

    SweepWriteFaults(folder, kScreenFile, [&] { SaveSettings(libraries, folder.Folder()); });
    EXPECT_EQ(ReadWholeFile(folder / kScreenFile), expected);
}

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
        SweepWriteFaults(folder, name, [&] { SaveSheet(kind, path, templateText, job); });
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

    SweepWriteFaults(folder, "sheet.jpg", [&] { SaveJpeg(sheet, path); });
    EXPECT_EQ(ReadWholeFile(path), EncodeJpeg(sheet));
}

} // namespace

} // namespace aw
