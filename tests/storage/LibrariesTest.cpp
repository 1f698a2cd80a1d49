#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "storage/Libraries.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

WeaponRecord SampleWeaponRecord(const std::string &name, int type)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.WeaponType = type;
    return r;
}

std::vector<uint8_t> WeaponImages(const std::vector<WeaponRecord> &records)
{
    std::vector<uint8_t> bytes(records.size() * kWeaponRecordSize);
    for (size_t i = 0; i < records.size(); ++i)
        WriteWeaponRecord(records[i], bytes.data() + i * kWeaponRecordSize);
    return bytes;
}

} // namespace

TEST(Libraries, BuiltInDataGivesTheStandardLibraries)
{
    TempFolder dir;
    Libraries libraries;
    int pumps = 0;
    LoadLibraries(libraries, dir.Folder(), [&] { ++pumps; });
    EXPECT_EQ(pumps, 4);
    const int perType[] = {22, 22, 7, 33, 10, 24, 0};
    for (int type = 0; type < kWeaponTypeCount; ++type)
        EXPECT_EQ(libraries.WeaponList(type).Count(), perType[type]) << "type " << type;
    EXPECT_EQ(libraries.Perks.Count() + libraries.Flaws.Count(), 141);
    EXPECT_TRUE(libraries.Flaws.Get(0).IsFlaw);
    ASSERT_EQ(libraries.Movement.Count(), 8);
    EXPECT_EQ(libraries.Movement.Get(7).LibraryIndex, 7);

    const std::pair<const char *, int32_t> defects[] = {
        {"Structural Weakness", -5}, {"Electronic Glitch", -4}, {"Movement System Defect", -3},
        {"Annoyance Flaw", 2},       {"Minor Flaw", -2},        {"MajorFlaw", -1}};
    ASSERT_EQ(libraries.Defects.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        uint8_t image[PerkRecord::Size];
        WritePerkRecord(libraries.Defects.Get(i), image);
        EXPECT_EQ(libraries.Defects.Get(i).PFDName, defects[i].first);
        EXPECT_EQ(bytes::GetInt32(image + 713), defects[i].second);
        EXPECT_EQ(bytes::GetShortString(image + 42, 250), i == 3 ? "Vehicle has one Annoyance Flaw" : "");
    }
    // Loading again starts from empty lists.
    LoadLibraries(libraries, dir.Folder());
    EXPECT_EQ(libraries.WeaponCount(), 118);
}

TEST(Libraries, CustomFileWeaponsStandBeforeTheBuiltInOnesOfTheirType)
{
    TempFolder dir;
    WriteFileAtomically(dir / "Custom.zel", CompressBytes(WeaponImages({SampleWeaponRecord("Home-made Mortar", 3),
                                                                        SampleWeaponRecord("Spud Gun", 6),
                                                                        SampleWeaponRecord("Bad Type", 9)})));
    Libraries libraries;
    LoadLibraries(libraries, dir.Folder());
    EXPECT_EQ(libraries.WeaponList(3).Count(), 34);
    EXPECT_EQ(libraries.WeaponList(3).Get(0).Name, "Home-made Mortar");
    EXPECT_EQ(libraries.CustomWeapons().Get(0).Name, "Spud Gun");
    EXPECT_EQ(libraries.WeaponCount(), 120); // type 9 is dropped
}

TEST(Libraries, OverrideFilesReplaceTheBuiltInLibraries)
{
    TempFolder dir;
    std::vector<uint8_t> weapons =
        WeaponImages({SampleWeaponRecord("Only Cannon", 0), SampleWeaponRecord("Only Blade", 5)});
    weapons.resize(weapons.size() + 100, 0xEE); // a partial last record is not used
    WriteFileAtomically(dir / "Weapons.zel", CompressBytes(weapons));
    std::vector<uint8_t> movement(3 * MovementRecord::Size);
    for (int i = 0; i < 3; ++i) {
        MovementRecord r;
        r.LibraryIndex = 77; // replaced by the record's place in the file
        WriteMovementRecord(r, movement.data() + i * MovementRecord::Size);
    }
    WriteFileAtomically(dir / "Movement.zel", CompressBytes(movement));

    Libraries libraries;
    LoadLibraries(libraries, dir.Folder());
    EXPECT_EQ(libraries.WeaponCount(), 2);
    EXPECT_EQ(libraries.WeaponList(5).Get(0).Name, "Only Blade");
    ASSERT_EQ(libraries.Movement.Count(), 3);
    EXPECT_EQ(libraries.Movement.Get(2).LibraryIndex, 2);

    // A damaged file is named and empties only its own lists.
    WriteFileAtomically(dir / "pfd.zel", std::string("not a container"));
    WriteFileAtomically(dir / "Custom.zel", std::string("not a container either"));
    try {
        LoadLibraries(libraries, dir.Folder());
        ADD_FAILURE() << "damaged files were accepted";
    } catch (const LibraryLoadError &e) {
        EXPECT_EQ(e.Utf8(), "The custom weapon file \"" + dir.Folder() +
                                "Custom.zel\" is damaged: " + lzhmsg::kNoHeader + "\nThe override file \"" +
                                dir.Folder() + "pfd.zel\" is damaged: " + lzhmsg::kNoHeader);
    }
    EXPECT_TRUE(libraries.CustomFileUnreadable);
    EXPECT_EQ(libraries.Perks.Count() + libraries.Flaws.Count(), 0);
    EXPECT_EQ(libraries.WeaponCount(), 2);
    EXPECT_EQ(libraries.Movement.Count(), 3);
    EXPECT_EQ(libraries.Defects.Count(), 6);

    // A custom list that is not a whole number of records is damaged too, unlike an override
    // file: taken in part, it would be saved back without the rest.
    WriteFileAtomically(dir / "Custom.zel", CompressBytes(std::vector<uint8_t>(kWeaponRecordSize + 34)));
    std::filesystem::remove(dir.Path() / "pfd.zel");
    try {
        LoadLibraries(libraries, dir.Folder());
        ADD_FAILURE() << "a custom list of partial records was accepted";
    } catch (const LibraryLoadError &e) {
        EXPECT_EQ(e.Utf8(), "The custom weapon file \"" + dir.Folder() +
                                "Custom.zel\" is damaged: its 300 bytes of data are not a whole number of "
                                "266-byte records");
    }
    EXPECT_TRUE(libraries.CustomFileUnreadable);
}

} // namespace aw
