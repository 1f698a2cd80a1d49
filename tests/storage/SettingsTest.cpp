#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace aw {

namespace {

WeaponRecord CustomWeapon(const std::string &name, int type = kCustomWeaponType)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.WeaponType = type;
    return r;
}

int32_t ValueAt(const std::vector<uint8_t> &file, size_t offset) { return bytes::GetInt32(file.data() + offset); }

} // namespace

TEST(Settings, ScreenFileRoundTripsInItsFieldOrder)
{
    TempFolder dir;
    Libraries libraries;
    LoadLibraries(libraries, dir.Folder());
    LayoutValues untouched;
    untouched.fill(55);
    libraries.Positions.GetLayoutValues(untouched); // first run: nothing stored
    EXPECT_EQ(untouched[0], 55);
    SaveSettings(libraries, dir.Folder());
    const std::vector<uint8_t> first = ReadWholeFile(dir / "Screen.zel");
    EXPECT_EQ(first, std::vector<uint8_t>(196, 0xFF)); // 49 values of -1
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Custom.zel"));

    LoadLibraries(libraries, dir.Folder());
    libraries.Positions.StoreWindowPosition(3, WindowRect{31, 32, 33, 34});
    libraries.Positions.StoreWindowPosition(8, WindowRect{81, 82, 83, 84}); // no such slot
    LayoutValues layout;
    for (size_t i = 0; i < layout.size(); ++i)
        layout[i] = 100 + static_cast<int32_t>(i);
    libraries.Positions.SetLayoutValues(layout);
    SaveSettings(libraries, dir.Folder());
    const std::vector<uint8_t> screen = ReadWholeFile(dir / "Screen.zel");
    ASSERT_EQ(screen.size(), 196u);
    EXPECT_EQ(ValueAt(screen, 48), 31); // slot 3: top, left, height, width
    EXPECT_EQ(ValueAt(screen, 60), 34);
    EXPECT_EQ(ValueAt(screen, 128), 100); // the weapon grid panel's height
    EXPECT_EQ(ValueAt(screen, 192), 116); // defect grid width

    LoadLibraries(libraries, dir.Folder());
    WindowRect rect{1, 1, 1, 1};
    libraries.Positions.RestoreWindowPosition(3, rect);
    EXPECT_EQ(rect.Left, 32);
    EXPECT_EQ(rect.Height, 33);
    LayoutValues read{};
    libraries.Positions.GetLayoutValues(read);
    EXPECT_EQ(read, layout);
}

TEST(Settings, OnlyStoredValuesAboveZeroAreApplied)
{
    WindowPositionStore store;
    store.StoreWindowPosition(1, WindowRect{0, 0, 480, -3}); // closed at the top-left corner
    WindowRect rect{70, 80, 300, 400};
    store.RestoreWindowPosition(1, rect);
    store.RestoreWindowPosition(-1, rect);
    EXPECT_EQ(rect.Top, 70);
    EXPECT_EQ(rect.Left, 80);
    EXPECT_EQ(rect.Height, 480);
    EXPECT_EQ(rect.Width, 400);
}

TEST(Settings, ShortScreenFileGivesOnlyTheValuesItHolds)
{
    WindowPositionStore store;
    store.ReadFrom({5, 0, 0, 0, 6, 0, 0, 0, 7, 0}); // top and left of slot 0, half a height
    EXPECT_EQ(store.Tops().Get(0), 5);
    EXPECT_EQ(store.Lefts().Get(0), 6);
    EXPECT_EQ(store.Heights().Get(0), -1);
    // Layout values count as stored only when the perk grid column 0 width is not -1.
    std::vector<uint8_t> bytes(196, 0xFF);
    bytes[132] = 9; // note pages' width set, perk grid column 0 still -1
    store.ReadFrom(bytes);
    LayoutValues layout;
    layout.fill(1);
    store.GetLayoutValues(layout);
    EXPECT_EQ(layout[1], 1);
}

TEST(Settings, CustomFileFollowsTheCustomList)
{
    TempFolder dir;
    BaseWeaponList custom;
    custom.Add(CustomWeapon("First"));
    custom.Add(CustomWeapon("Second"));
    SaveCustomWeaponFile(custom, dir.Folder());
    const std::vector<uint8_t> content = DecompressBytes(ReadWholeFile(dir / "Custom.zel"));
    ASSERT_EQ(content.size(), 2u * kWeaponRecordSize);
    EXPECT_EQ(ReadWeaponRecord(content.data() + kWeaponRecordSize).Name, "Second");
    custom.Clear();
    SaveCustomWeaponFile(custom, dir.Folder()); // the last one deleted: the file goes
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Custom.zel"));

    // A record of a library type lasts one run: it is not written back.
    custom.Add(CustomWeapon("Borrowed Cannon", 3));
    SaveCustomWeaponFile(custom, dir.Folder());
    Libraries libraries;
    LoadLibraries(libraries, dir.Folder());
    EXPECT_EQ(libraries.WeaponList(3).Get(0).Name, "Borrowed Cannon");
    SaveSettings(libraries, dir.Folder());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Custom.zel"));

    // Two windows of the program: closing the one that changed nothing keeps what the other saved.
    Libraries first, second;
    LoadLibraries(first, dir.Folder());
    LoadLibraries(second, dir.Folder());
    second.CustomWeapons().Add(CustomWeapon("Race Gun"));
    SaveSettings(second, dir.Folder());
    SaveSettings(first, dir.Folder());
    ASSERT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 1u);
    // Both change it: each change stands on top of the other's.
    LoadLibraries(first, dir.Folder());
    LoadLibraries(second, dir.Folder());
    second.CustomWeapons().Add(CustomWeapon("Bee Gun"));
    SaveCustomWeapons(second, dir.Folder());
    first.CustomWeapons().Delete(0); // the Race Gun
    first.CustomWeapons().Add(CustomWeapon("Ay Gun"));
    SaveCustomWeapons(first, dir.Folder());
    const std::vector<WeaponRecord> saved = ReadCustomWeaponFile(dir.Folder());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].Name, "Bee Gun");
    EXPECT_EQ(saved[1].Name, "Ay Gun");
    EXPECT_EQ(first.CustomWeapons().Count(), 2); // the window shows what it saved
    // The same with a record of a library type in the file.
    BaseWeaponList mixed;
    mixed.Add(CustomWeapon("Borrowed Cannon", 0));
    mixed.Add(CustomWeapon("Race Gun"));
    SaveCustomWeaponFile(mixed, dir.Folder());
    LoadLibraries(first, dir.Folder());
    LoadLibraries(second, dir.Folder());
    second.CustomWeapons().Add(CustomWeapon("Cee Gun"));
    SaveCustomWeapons(second, dir.Folder());
    SaveSettings(first, dir.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 2u); // the Race Gun and the Cee Gun
}

TEST(Settings, InterruptedWritesLeaveTheOldFilesByteForByte)
{
    TempFolder dir;
    Libraries libraries;
    LoadLibraries(libraries, dir.Folder());
    libraries.CustomWeapons().Add(CustomWeapon("Keeper"));
    SaveSettings(libraries, dir.Folder());
    const std::vector<uint8_t> oldScreen = ReadWholeFile(dir / "Screen.zel");
    const std::vector<uint8_t> oldCustom = ReadWholeFile(dir / "Custom.zel");

    LoadLibraries(libraries, dir.Folder());
    libraries.CustomWeapons().Add(CustomWeapon("Newcomer"));
    libraries.Positions.StoreWindowPosition(0, WindowRect{9, 9, 9, 9});
    SetWriteFaultInjector([] { return false; });
    EXPECT_THROW(SaveCustomWeaponFile(libraries.CustomWeapons(), dir.Folder()), FileError);
    try {
        SaveSettings(libraries, dir.Folder());
        ADD_FAILURE() << "saved";
    } catch (const FileError &e) { // both tried, both named
        // (named as the program writes them: folder and name, whatever the system's separator)
        EXPECT_EQ(e.Utf8().rfind("Cannot write file \"" + dir.Folder() + "Screen.zel\": ", 0), 0u) << e.Utf8();
        EXPECT_NE(e.Utf8().find("\nCannot write file \"" + dir.Folder() + "Custom.zel\": "), std::string::npos);
    }
    SetWriteFaultInjector({});
    EXPECT_EQ(ReadWholeFile(dir / "Screen.zel"), oldScreen);
    EXPECT_EQ(ReadWholeFile(dir / "Custom.zel"), oldCustom);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2); // no temporaries

    // Only the settings file cannot be written: the custom weapons are saved all the same.
    std::filesystem::remove(dir.Path() / "Screen.zel");
    std::filesystem::create_directory(dir.Path() / "Screen.zel");
    EXPECT_THROW(SaveSettings(libraries, dir.Folder()), FileError);
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 2u);
}

TEST(Settings, ACustomFileThatCouldNotBeReadIsNeverReplaced)
{
    TempFolder dir;
    const std::string damaged = "a custom file with one bit gone wrong";
    WriteFileAtomically(dir / "Custom.zel", damaged);
    WriteFileAtomically(dir / "Custom.zel.damaged", std::string("kept from an earlier run"));
    Libraries libraries;
    EXPECT_THROW(LoadLibraries(libraries, dir.Folder()), LibraryLoadError);
    SaveSettings(libraries, dir.Folder()); // nothing to save: the file stays for repair
    EXPECT_EQ(ReadText(dir / "Custom.zel"), damaged);

    EXPECT_THROW(LoadLibraries(libraries, dir.Folder()), LibraryLoadError);
    libraries.CustomWeapons().Add(CustomWeapon("Made Since"));
    // The first save keeps it under a free name, and says so once.
    EXPECT_EQ(SaveCustomWeapons(libraries, dir.Folder()),
              "The custom weapon file \"" + dir.Folder() + "Custom.zel\" could not be read and was kept as \"" +
                  dir.Folder() + "Custom.zel.damaged-2\"; the custom weapons listed now are saved in a new \"" +
                  dir.Folder() + "Custom.zel\".");
    libraries.CustomWeapons().Add(CustomWeapon("Made Next"));
    EXPECT_EQ(SaveCustomWeapons(libraries, dir.Folder()), "");
    EXPECT_EQ(ReadText(dir / "Custom.zel.damaged-2"), damaged);
    EXPECT_EQ(ReadText(dir / "Custom.zel.damaged"), "kept from an earlier run");
    libraries.CustomWeapons().Clear();
    SaveSettings(libraries, dir.Folder()); // from then on the file is the list's own
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Custom.zel"));

    // Two windows started while it was damaged: the first to save sets it aside, the other
    // adds to what the first saved.
    WriteFileAtomically(dir / "Custom.zel", damaged);
    Libraries other;
    EXPECT_THROW(LoadLibraries(libraries, dir.Folder()), LibraryLoadError);
    EXPECT_THROW(LoadLibraries(other, dir.Folder()), LibraryLoadError);
    other.CustomWeapons().Add(CustomWeapon("Theirs"));
    SaveCustomWeapons(other, dir.Folder());
    libraries.CustomWeapons().Add(CustomWeapon("Ours"));
    SaveCustomWeapons(libraries, dir.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 2u);
    EXPECT_EQ(ReadText(dir / "Custom.zel.damaged-3"), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Custom.zel.damaged-4"));

    // Removed while the program ran: nothing to keep aside, the list is saved.
    WriteFileAtomically(dir / "Custom.zel", damaged);
    EXPECT_THROW(LoadLibraries(libraries, dir.Folder()), LibraryLoadError);
    std::filesystem::remove(dir.Path() / "Custom.zel");
    libraries.CustomWeapons().Add(CustomWeapon("After"));
    SaveCustomWeapons(libraries, dir.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 1u);

    // Replaced by a folder while the program ran: not read as an empty list, which would
    // drop what this window knows; the folder is set aside like a damaged file.
    LoadLibraries(libraries, dir.Folder());
    std::filesystem::remove(dir.Path() / "Custom.zel");
    std::filesystem::create_directory(dir.Path() / "Custom.zel");
    libraries.CustomWeapons().Add(CustomWeapon("Newest"));
    SaveCustomWeapons(libraries, dir.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 2u);

#ifndef _WIN32
    // A pipe in its place is not waited on: reported, and kept like a damaged file.
    std::filesystem::remove(dir.Path() / "Custom.zel");
    ASSERT_EQ(std::system(("mkfifo '" + (dir / "Custom.zel") + "'").c_str()), 0);
    EXPECT_THROW(LoadLibraries(libraries, dir.Folder()), LibraryLoadError);
    EXPECT_TRUE(libraries.CustomFileUnreadable);
    libraries.CustomWeapons().Add(CustomWeapon("Piped"));
    SaveCustomWeapons(libraries, dir.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(dir.Folder()).size(), 1u);
#endif
}

TEST(Settings, SettingsFolderApartFromTheDataFolder)
{
    // An installed program: override files beside it, settings and custom weapons in the
    // user's folder.
    TempFolder program;
    TempFolder user;
    BaseWeaponList custom;
    custom.Add(CustomWeapon("Mine"));
    SaveCustomWeaponFile(custom, user.Folder());
    BaseWeaponList elsewhere;
    elsewhere.Add(CustomWeapon("Not mine"));
    SaveCustomWeaponFile(elsewhere, program.Folder()); // a stray file beside the program is not read

    Libraries libraries;
    LoadLibraries(libraries, LibraryFolders{program.Folder(), user.Folder()});
    ASSERT_EQ(libraries.CustomWeapons().Count(), 1);
    EXPECT_EQ(libraries.CustomWeapons().Get(0).Name, "Mine");
    EXPECT_GT(libraries.WeaponList(0).Count(), 0); // the built-in library, no override beside the program

    libraries.Positions.StoreWindowPosition(0, WindowRect{7, 7, 7, 7});
    SaveSettings(libraries, user.Folder());
    EXPECT_TRUE(std::filesystem::exists(user.Path() / "Screen.zel"));
    EXPECT_FALSE(std::filesystem::exists(program.Path() / "Screen.zel"));

    // A custom-tab record of the override weapon file shows in the custom list, but is the
    // override file's: it is not written to the user's file, and so not added again next run.
    std::vector<uint8_t> issued(kWeaponRecordSize);
    WriteWeaponRecord(CustomWeapon("Issued"), issued.data());
    WriteFileAtomically(program / "Weapons.zel", CompressBytes(issued));
    for (int run = 0; run < 2; ++run) {
        LoadLibraries(libraries, LibraryFolders{program.Folder(), user.Folder()});
        ASSERT_EQ(libraries.CustomWeapons().Count(), 2 + run);
        EXPECT_EQ(libraries.CustomWeapons().Get(1 + run).Name, "Issued");
        libraries.CustomWeapons().Add(CustomWeapon("Made in run " + std::to_string(run)));
        SaveSettings(libraries, user.Folder());
    }
    EXPECT_EQ(ReadCustomWeaponFile(user.Folder()).size(), 3u);

    // A user with no files of their own yet: those left beside the program are read, and the
    // first save makes the user's copies; the program's folder is never written.
    TempFolder newcomer;
    std::filesystem::remove(program / "Weapons.zel");
    WriteFileAtomically(program / "Screen.zel", ReadWholeFile(user / "Screen.zel"));
    const std::vector<uint8_t> besideProgram = ReadWholeFile(program / "Custom.zel");
    LoadLibraries(libraries, LibraryFolders{program.Folder(), newcomer.Folder()});
    ASSERT_EQ(libraries.CustomWeapons().Count(), 1);
    EXPECT_EQ(libraries.CustomWeapons().Get(0).Name, "Not mine");
    EXPECT_EQ(libraries.Positions.FileBytes(), ReadWholeFile(program / "Screen.zel"));
    SaveSettings(libraries, newcomer.Folder());
    EXPECT_EQ(ReadCustomWeaponFile(newcomer.Folder()).size(), 1u);
    EXPECT_EQ(ReadWholeFile(program / "Custom.zel"), besideProgram);

    // Two windows of a user with no file of their own yet: each change stands on top of the
    // other's, and deleting every custom weapon lasts, the file beside the program not read again.
    TempFolder user2;
    Libraries first, second;
    LoadLibraries(first, LibraryFolders{program.Folder(), user2.Folder()});
    LoadLibraries(second, LibraryFolders{program.Folder(), user2.Folder()});
    first.CustomWeapons().Add(CustomWeapon("Ay Gun"));
    SaveCustomWeapons(first, user2.Folder());
    second.CustomWeapons().Delete(0); // "Not mine"
    SaveCustomWeapons(second, user2.Folder());
    const std::vector<WeaponRecord> merged = ReadCustomWeaponFile(user2.Folder());
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0].Name, "Ay Gun");
    second.CustomWeapons().Delete(0);
    SaveSettings(second, user2.Folder());
    EXPECT_TRUE(std::filesystem::exists(user2.Path() / "Custom.zel")); // of no records
    LoadLibraries(first, LibraryFolders{program.Folder(), user2.Folder()});
    EXPECT_EQ(first.CustomWeapons().Count(), 0);
    // With no file beside the program, an empty list is no file, as in one folder.
    std::filesystem::remove(program.Path() / "Custom.zel");
    first.CustomWeapons().Add(CustomWeapon("Bee Gun"));
    SaveCustomWeapons(first, user2.Folder());
    first.CustomWeapons().Delete(0);
    SaveSettings(first, user2.Folder());
    EXPECT_FALSE(std::filesystem::exists(user2.Path() / "Custom.zel"));
}

} // namespace aw
