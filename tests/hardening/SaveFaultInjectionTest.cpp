// Saving with the k-th low-level write failing, for every k until the save goes through:
// each failed save must report the error, keep the previous file byte for byte and leave no
// temporary file behind.
#include "HardeningSupport.h"
#include "WriteFaultSweep.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

TEST(SaveFaultInjection, DesignSaveKeepsThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder / "design.vkd";
    std::vector<samples::SampleDesign> designs = samples::SampleDesigns();
    SaveDesignFile(*designs.front().Design, path);

    // A picture of noise that does not compress: the file takes several writes.
    Vehicle &big = *designs.back().Design;
    big.Picture = samples::BitmapFile(400, 300, 24, 1234);
    const int failures = hardening::SweepWriteFaults(folder, "design.vkd", [&] { SaveDesignFile(big, path); });
    EXPECT_GE(failures, 3) << "a design this size is written in several pieces";

    const LoadedDesign reread = LoadDesignFile(path);
    EXPECT_EQ(BodyOf(*reread.Design), BodyOf(big));
}

TEST(SaveFaultInjection, FirstDesignSaveLeavesNoFileWhenItFails)
{
    TempFolder folder;
    const std::vector<samples::SampleDesign> designs = samples::SampleDesigns();
    const std::string path = folder / "new.vkd";
    EXPECT_GE(hardening::SweepWriteFaults(folder, "new.vkd", [&] { SaveDesignFile(*designs[1].Design, path); }), 1);
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

    hardening::SweepWriteFaults(folder, kCustomWeaponFile, [&] { SaveCustomWeaponFile(custom, folder.Folder()); });
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

    hardening::SweepWriteFaults(folder, kScreenFile, [&] { SaveSettings(libraries, folder.Folder()); });
    EXPECT_EQ(ReadWholeFile(folder / kScreenFile), expected);
}

} // namespace

} // namespace aw
