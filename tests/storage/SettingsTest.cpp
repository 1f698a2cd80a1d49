#include "tests/storage/StorageFolder.h"

#include "engine/base/Stream.h"
#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

namespace {

TWeaponRecord customWeapon(const std::string &name, int type = kCustomWeaponType)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.WeaponType = type;
    return r;
}

std::vector<uint8_t> screenFileOf(const std::vector<int32_t> &values)
{
    std::vector<uint8_t> bytes(values.size() * 4);
    for (size_t i = 0; i < values.size(); ++i)
        bytes::PutInt32(bytes.data() + 4 * i, values[i]);
    return bytes;
}

} // namespace

TEST(Settings, FirstRunKeepsDesignedPlacesAndWritesOnlyTheScreenFile)
{
    TStorageFolder dir("settings-first");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    TWindowRect rect{10, 20, 300, 400};
    for (int slot = 0; slot < 8; ++slot) {
        libraries.Positions.RestoreWindowPosition(slot, rect);
        EXPECT_EQ(rect.Top, 10);
        EXPECT_EQ(rect.Width, 400);
    }
    TLayoutValues layout;
    layout.fill(55);
    libraries.Positions.GetLayoutValues(layout);
    EXPECT_EQ(layout[0], 55);

    SaveSettings(libraries, dir.folder());
    const std::vector<uint8_t> screen = ReadWholeFile(dir.file("Screen.zel"));
    ASSERT_EQ(screen.size(), 196u);
    for (size_t i = 0; i < 196; i += 4)
        EXPECT_EQ(bytes::GetInt32(screen.data() + i), -1) << "offset " << i;
    EXPECT_FALSE(dir.has("Custom.zel"));
}

TEST(Settings, ScreenFileRoundTripsInItsFieldOrder)
{
    TStorageFolder dir("settings-roundtrip");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    libraries.Positions.StoreWindowPosition(0, TWindowRect{11, 12, 13, 14});
    libraries.Positions.StoreWindowPosition(3, TWindowRect{31, 32, 33, 34});
    libraries.Positions.StoreWindowPosition(8, TWindowRect{81, 82, 83, 84}); // no such slot
    TLayoutValues layout;
    for (size_t i = 0; i < layout.size(); ++i)
        layout[i] = 100 + static_cast<int32_t>(i);
    libraries.Positions.SetLayoutValues(layout);
    SaveSettings(libraries, dir.folder());

    const std::vector<uint8_t> screen = ReadWholeFile(dir.file("Screen.zel"));
    ASSERT_EQ(screen.size(), 196u);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 0), 11);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 12), 14);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 48), 31);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 56), 33);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 16), -1);
    EXPECT_EQ(bytes::GetInt32(screen.data() + 128), 100); // Panel16
    EXPECT_EQ(bytes::GetInt32(screen.data() + 136), 102); // sgP column 0
    EXPECT_EQ(bytes::GetInt32(screen.data() + 192), 116); // sgD width

    TLibraries again;
    LoadLibraries(again, dir.folder());
    TWindowRect rect{1, 1, 1, 1};
    again.Positions.RestoreWindowPosition(3, rect);
    EXPECT_EQ(rect.Top, 31);
    EXPECT_EQ(rect.Left, 32);
    EXPECT_EQ(rect.Height, 33);
    EXPECT_EQ(rect.Width, 34);
    TLayoutValues read;
    read.fill(0);
    again.Positions.GetLayoutValues(read);
    EXPECT_EQ(read, layout);
}

TEST(Settings, OnlyValuesAboveZeroAreApplied)
{
    TWindowPositionStore store;
    store.StoreWindowPosition(1, TWindowRect{0, 0, 480, -3}); // closed at the top-left corner
    TWindowRect rect{70, 80, 300, 400};
    store.RestoreWindowPosition(1, rect);
    EXPECT_EQ(rect.Top, 70);
    EXPECT_EQ(rect.Left, 80);
    EXPECT_EQ(rect.Height, 480);
    EXPECT_EQ(rect.Width, 400);
    store.RestoreWindowPosition(-1, rect);
    store.RestoreWindowPosition(8, rect);
    EXPECT_EQ(rect.Height, 480);
}

TEST(Settings, ShortScreenFileGivesOnlyTheValuesItHolds)
{
    TStorageFolder dir("settings-short");
    // Top and left of slot 0, then two bytes of a third value.
    std::vector<uint8_t> bytes = screenFileOf({5, 6});
    bytes.push_back(0x07);
    bytes.push_back(0x00);
    WriteFileAtomically(dir.file("Screen.zel"), bytes);
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    EXPECT_EQ(libraries.Positions.Tops().Get(0), 5);
    EXPECT_EQ(libraries.Positions.Lefts().Get(0), 6);
    EXPECT_EQ(libraries.Positions.Heights().Get(0), -1);
    EXPECT_EQ(libraries.Positions.Widths().Get(0), -1);
    EXPECT_EQ(libraries.Positions.Tops().Get(7), -1);
    TLayoutValues layout;
    layout.fill(9);
    libraries.Positions.GetLayoutValues(layout);
    EXPECT_EQ(layout[16], 9);
}

TEST(Settings, LayoutValuesAreHandedOutOnlyWhenTheSgPColumnWidthWasStored)
{
    std::vector<int32_t> values(32, -1);
    for (int i = 0; i < 17; ++i)
        values.push_back(i == 2 ? -1 : 500 + i); // all but the sgP column 0 width
    TWindowPositionStore store;
    store.ReadFrom(screenFileOf(values));
    TLayoutValues layout;
    layout.fill(1);
    store.GetLayoutValues(layout);
    EXPECT_EQ(layout[0], 1);

    values[32 + 2] = 0;
    store.ReadFrom(screenFileOf(values));
    store.GetLayoutValues(layout);
    EXPECT_EQ(layout[0], 500);
    EXPECT_EQ(layout[2], 0);
}

TEST(Settings, CustomWeaponsAreSavedInListOrderAndTheFileGoesWithTheLastOne)
{
    TStorageFolder dir("settings-custom");
    TBaseWeaponList custom;
    custom.Add(customWeapon("First"));
    custom.Add(customWeapon("Second"));
    SaveCustomWeaponFile(custom, dir.folder());
    const std::vector<uint8_t> content = DecompressBytes(ReadWholeFile(dir.file("Custom.zel")));
    ASSERT_EQ(content.size(), 2u * kWeaponRecordSize);
    EXPECT_EQ(ReadWeaponRecord(content.data()).Name, "First");
    EXPECT_EQ(ReadWeaponRecord(content.data() + kWeaponRecordSize).Name, "Second");
    EXPECT_EQ(ReadCustomWeaponFile(dir.folder()).size(), 2u);

    custom.Delete(1);
    custom.Delete(0);
    SaveCustomWeaponFile(custom, dir.folder());
    EXPECT_FALSE(dir.has("Custom.zel"));
    EXPECT_TRUE(ReadCustomWeaponFile(dir.folder()).empty());
}

TEST(Settings, CustomFileRecordOfALibraryTypeLastsOneRun)
{
    TStorageFolder dir("settings-onerun");
    TBaseWeaponList file;
    file.Add(customWeapon("Borrowed Cannon", 3));
    SaveCustomWeaponFile(file, dir.folder());

    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    EXPECT_EQ(libraries.WeaponList(3).Get(0).Name, "Borrowed Cannon");
    SaveSettings(libraries, dir.folder());
    EXPECT_FALSE(dir.has("Custom.zel"));
    EXPECT_EQ(libraries.WeaponCount(), 0); // the lists are freed
}

TEST(Settings, InterruptedWritesLeaveTheOldFilesByteForByte)
{
    TStorageFolder dir("settings-fault");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    libraries.CustomWeapons().Add(customWeapon("Keeper"));
    libraries.Positions.StoreWindowPosition(0, TWindowRect{1, 2, 3, 4});
    SaveSettings(libraries, dir.folder());
    const std::vector<uint8_t> oldScreen = ReadWholeFile(dir.file("Screen.zel"));
    const std::vector<uint8_t> oldCustom = ReadWholeFile(dir.file("Custom.zel"));

    LoadLibraries(libraries, dir.folder());
    libraries.CustomWeapons().Add(customWeapon("Newcomer"));
    libraries.Positions.StoreWindowPosition(0, TWindowRect{9, 9, 9, 9});
    SetWriteFaultInjector([] { return false; });
    EXPECT_THROW(SaveCustomWeaponFile(libraries.CustomWeapons(), dir.folder()), EFileError);
    EXPECT_THROW(SaveSettings(libraries, dir.folder()), EFileError);
    SetWriteFaultInjector({});
    EXPECT_EQ(ReadWholeFile(dir.file("Screen.zel")), oldScreen);
    EXPECT_EQ(ReadWholeFile(dir.file("Custom.zel")), oldCustom);
    // No temporary files are left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);
}

TEST(Settings, FailedScreenFileStopsTheShutdownBeforeTheCustomFile)
{
    TStorageFolder dir("settings-order");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    libraries.CustomWeapons().Add(customWeapon("Unsaved"));
    // The settings file's name is taken by a folder, so it cannot be created.
    std::filesystem::create_directories(dir.path / "Screen.zel");
    EXPECT_THROW(SaveSettings(libraries, dir.folder()), EFileError);
    EXPECT_FALSE(dir.has("Custom.zel"));
}
