#include "tests/storage/StorageFolder.h"

#include "engine/base/Stream.h"
#include "storage/Libraries.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

namespace {

TWeaponRecord weapon(const std::string &name, int type)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.WeaponType = type;
    return r;
}

std::vector<uint8_t> weaponImages(const std::vector<TWeaponRecord> &records)
{
    std::vector<uint8_t> bytes(records.size() * kWeaponRecordSize);
    for (size_t i = 0; i < records.size(); ++i)
        WriteWeaponRecord(records[i], bytes.data() + i * kWeaponRecordSize);
    return bytes;
}

void writePacked(const std::string &path, const std::vector<uint8_t> &content)
{
    WriteFileAtomically(path, CompressBytes(content));
}

} // namespace

TEST(Libraries, BuiltInDataGivesTheStandardLibraries)
{
    TStorageFolder dir("libraries-builtin");
    TLibraries libraries;
    int pumps = 0;
    LoadLibraries(libraries, dir.folder(), [&] { ++pumps; });
    EXPECT_EQ(pumps, 4);

    const int perType[] = {22, 22, 7, 33, 10, 24, 0};
    for (int type = 0; type < kWeaponTypeCount; ++type)
        EXPECT_EQ(libraries.WeaponList(type).Count(), perType[type]) << "type " << type;
    EXPECT_EQ(libraries.WeaponCount(), 118);
    for (int type = 0; type < kWeaponTypeCount; ++type)
        for (int i = 0; i < libraries.WeaponList(type).Count(); ++i)
            EXPECT_EQ(libraries.WeaponList(type).Get(i).WeaponType, type);

    EXPECT_EQ(libraries.Perks.Count() + libraries.Flaws.Count(), 141);
    for (int i = 0; i < libraries.Flaws.Count(); ++i)
        EXPECT_TRUE(libraries.Flaws.Get(i).IsFlaw);
    for (int i = 0; i < libraries.Perks.Count(); ++i)
        EXPECT_FALSE(libraries.Perks.Get(i).IsFlaw);

    ASSERT_EQ(libraries.Movement.Count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(libraries.Movement.Get(i).LibraryIndex, i);
}

TEST(Libraries, TheSixFixedDefects)
{
    TStorageFolder dir("libraries-defects");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    const std::pair<const char *, int32_t> expected[] = {{"Structural Weakness", -5}, {"Electronic Glitch", -4},
                                                         {"Movement System Defect", -3}, {"Annoyance Flaw", 2},
                                                         {"Minor Flaw", -2}, {"MajorFlaw", -1}};
    ASSERT_EQ(libraries.Defects.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        uint8_t image[TPerkRecord::Size];
        WritePerkRecord(libraries.Defects.Get(i), image);
        EXPECT_EQ(libraries.Defects.Get(i).PFDName, expected[i].first);
        EXPECT_EQ(bytes::GetInt32(image + 713), expected[i].second) << expected[i].first;
        EXPECT_EQ(bytes::GetShortString(image + 42, 250), i == 3 ? "Vehicle has one Annoyance Flaw" : "");
    }
}

TEST(Libraries, CustomFileWeaponsStandBeforeTheBuiltInOnesOfTheirType)
{
    TStorageFolder dir("libraries-custom");
    writePacked(dir.file("Custom.zel"), weaponImages({weapon("Home-made Mortar", 3), weapon("Spud Gun", 6),
                                                      weapon("Bad Type", 9), weapon("Negative", -1)}));
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    ASSERT_EQ(libraries.WeaponList(3).Count(), 34);
    EXPECT_EQ(libraries.WeaponList(3).Get(0).Name, "Home-made Mortar");
    EXPECT_NE(libraries.WeaponList(3).Get(1).Name, "Home-made Mortar");
    ASSERT_EQ(libraries.CustomWeapons().Count(), 1);
    EXPECT_EQ(libraries.CustomWeapons().Get(0).Name, "Spud Gun");
    EXPECT_EQ(libraries.WeaponCount(), 120); // the other two types are dropped
}

TEST(Libraries, OverrideFilesReplaceTheBuiltInLibraries)
{
    TStorageFolder dir("libraries-override");
    std::vector<uint8_t> weapons = weaponImages({weapon("Only Cannon", 0), weapon("Only Blade", 5)});
    weapons.resize(weapons.size() + 100, 0xEE); // a partial record at the end is not used
    writePacked(dir.file("Weapons.zel"), weapons);

    std::vector<uint8_t> perks(3 * TPerkRecord::Size);
    const char *names[] = {"Perk A", "Flaw B", "Perk C"};
    for (int i = 0; i < 3; ++i) {
        TPerkRecord r;
        r.PFDName = names[i];
        r.IsFlaw = i == 1;
        WritePerkRecord(r, perks.data() + i * TPerkRecord::Size);
    }
    writePacked(dir.file("pfd.zel"), perks);

    std::vector<uint8_t> movement(3 * TMovementRecord::Size + 60);
    for (int i = 0; i < 3; ++i) {
        TMovementRecord r;
        r.ModeName = "Mode " + std::to_string(i);
        r.LibraryIndex = 77; // replaced by the record's place in the file
        WriteMovementRecord(r, movement.data() + i * TMovementRecord::Size);
    }
    writePacked(dir.file("Movement.zel"), movement);

    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    EXPECT_EQ(libraries.WeaponCount(), 2);
    EXPECT_EQ(libraries.WeaponList(0).Get(0).Name, "Only Cannon");
    EXPECT_EQ(libraries.WeaponList(5).Get(0).Name, "Only Blade");
    ASSERT_EQ(libraries.Perks.Count(), 2);
    EXPECT_EQ(libraries.Perks.Get(1).PFDName, "Perk C");
    ASSERT_EQ(libraries.Flaws.Count(), 1);
    EXPECT_EQ(libraries.Flaws.Get(0).PFDName, "Flaw B");
    ASSERT_EQ(libraries.Movement.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(libraries.Movement.Get(i).LibraryIndex, i);
    EXPECT_EQ(libraries.Defects.Count(), 6);
}

TEST(Libraries, LoadingTwiceDoesNotDoubleTheLists)
{
    TStorageFolder dir("libraries-twice");
    TLibraries libraries;
    LoadLibraries(libraries, dir.folder());
    LoadLibraries(libraries, dir.folder());
    EXPECT_EQ(libraries.WeaponCount(), 118);
    EXPECT_EQ(libraries.Defects.Count(), 6);
    EXPECT_EQ(libraries.Movement.Count(), 8);
}

TEST(Libraries, BrokenOverrideEndsTheLoadingWithTheCodecError)
{
    TStorageFolder dir("libraries-broken");
    WriteFileAtomically(dir.file("pfd.zel"), std::string("not a container"));
    TLibraries libraries;
    EXPECT_THROW(LoadLibraries(libraries, dir.folder()), ELZHException);
}

TEST(Libraries, WeaponTypesOutsideTheSevenListsAreRefused)
{
    TLibraries libraries;
    EXPECT_THROW(libraries.WeaponList(7), std::out_of_range);
    EXPECT_THROW(libraries.WeaponList(-1), std::out_of_range);
    EXPECT_EQ(&libraries.WeaponList(6), &libraries.CustomWeapons());
}
