// Saving with the k-th low-level write failing, for every k until the save goes through:
// each failed save must report the error, keep the previous file byte for byte and leave no
// temporary file behind.
#include "HardeningSupport.h"

#include "engine/DesignFile.h"
#include "base/Files.h"
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

namespace {

const char *const kNoOverrides = "/nonexistent-aw-folder/";

// Fails the k-th write (counting from 1) while it lives.
class TFailingWrite {
public:
    explicit TFailingWrite(int k)
    {
        SetWriteFaultInjector([this, k] { return ++m_calls != k; });
    }
    ~TFailingWrite() { SetWriteFaultInjector({}); }
    int Calls() const { return m_calls; }

private:
    int m_calls = 0;
};

// Runs save with the k-th write failing for k = 1, 2, ... until it succeeds. Returns how many
// saves failed. `file` is the file the save writes, already holding an earlier version (or
// absent).
int SweepWriteFaults(const TTempFolder &folder, const std::string &file, const std::function<void()> &save)
{
    const auto before = folder.Contents();
    int failures = 0;
    for (int k = 1; k < 1000; ++k) {
        TFailingWrite fault(k);
        try {
            save();
        } catch (const EFileError &e) {
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
    TTempFolder folder;
    const std::string path = folder / "design.vkd";
    std::vector<samples::TSampleDesign> designs = samples::SampleDesigns();
    SaveDesignFile(*designs.front().Vehicle, path);

    // A picture of noise that does not compress: the file takes several writes.
    TVehicle &big = *designs.back().Vehicle;
    big.Picture = samples::BitmapFile(400, 300, 24, 1234);
    const int failures = SweepWriteFaults(folder, "design.vkd", [&] { SaveDesignFile(big, path); });
    EXPECT_GE(failures, 3) << "a design this size is written in several pieces";

    const TLoadedDesign reread = LoadDesignFile(path);
    EXPECT_EQ(BodyOf(*reread.Vehicle), BodyOf(big));
}

TEST(SaveFaultInjection, FirstDesignSaveLeavesNoFileWhenItFails)
{
    TTempFolder folder;
    const std::vector<samples::TSampleDesign> designs = samples::SampleDesigns();
    const std::string path = folder / "new.vkd";
    EXPECT_GE(SweepWriteFaults(folder, "new.vkd", [&] { SaveDesignFile(*designs[1].Vehicle, path); }), 1);
}

TEST(SaveFaultInjection, CustomWeaponFileKeepsThePreviousFile)
{
    TTempFolder folder;
    const TLibraries &libs = samples::BuiltInLibraries();
    TBaseWeaponList custom;
    for (int type = 0; type < kWeaponTypeCount; ++type)
        for (int i = 0; i < libs.WeaponList(type).Count(); ++i) {
            TWeaponRecord record = libs.WeaponList(type).Get(i);
            record.WeaponType = kCustomWeaponType;
            custom.Add(record);
        }
    TBaseWeaponList earlier;
    earlier.Add(custom.Get(0));
    SaveCustomWeaponFile(earlier, folder.Folder());

    SweepWriteFaults(folder, kCustomWeaponFile, [&] { SaveCustomWeaponFile(custom, folder.Folder()); });
    const std::vector<TWeaponRecord> reread = ReadCustomWeaponFile(folder.Folder());
    ASSERT_EQ(static_cast<int>(reread.size()), custom.Count());
    EXPECT_EQ(reread.back(), custom.Get(custom.Count() - 1));
}

TEST(SaveFaultInjection, SettingsFileKeepsThePreviousFile)
{
    TTempFolder folder;
    TLibraries libraries;
    libraries.Positions.StoreWindowPosition(0, {1, 2, 3, 4});
    hardening::PutFile(folder / kScreenFile, libraries.Positions.FileBytes());
    libraries.Positions.StoreWindowPosition(0, {10, 20, 300, 400});
    const std::vector<uint8_t> expected = libraries.Positions.FileBytes();

    SweepWriteFaults(folder, kScreenFile, [&] { SaveSettings(libraries, folder.Folder()); });
    EXPECT_EQ(ReadWholeFile(folder / kScreenFile), expected);
}

TEST(SaveFaultInjection, TextAndHtmlExportsKeepThePreviousFile)
{
    const TPrintJob &job = sheettest::EverythingJob();
    for (TSheetKind kind : {TSheetKind::Text, TSheetKind::Html}) {
        TTempFolder folder;
        const std::string name = kind == TSheetKind::Html ? "sheet.html" : "sheet.txt";
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
    TTempFolder folder;
    const std::string path = folder / "sheet.jpg";
    hardening::PutFile(path, {0xFF, 0xD8, 0xFF, 0xD9});
    const TStream layout = OpenDataBlock("Jpeg.zel", "JPEG", kNoOverrides);
    const QImage sheet = BuildSheetImageFromLayout(sheettest::EverythingJob(), layout.Bytes());
    ASSERT_FALSE(sheet.isNull());

    SweepWriteFaults(folder, "sheet.jpg", [&] { SaveJpeg(sheet, path); });
    EXPECT_EQ(ReadWholeFile(path), EncodeJpeg(sheet));
}

} // namespace
