#include "weapons/WeaponList.h"
#include "base/Stream.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// Every weapon has as many link entries as the list's link count.
void ExpectLinksAligned(const WeaponList &list)
{
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Get(i).Links.Count(), list.LinkCount()) << "weapon " << i;
}

Weapon WeaponWithLinks(std::initializer_list<bool> links)
{
    Weapon w;
    for (bool l : links)
        w.Links.Add(l);
    return w;
}

// Writes a weapon the way a design file stores it, with the given link bytes.
void WriteStoredWeapon(Stream &stream, std::initializer_list<uint8_t> links)
{
    SaveWeaponRecord(stream, DefaultWeaponRecord());
    ClipList().SaveToStream(stream);
    stream.WriteInt32(static_cast<int32_t>(links.size()));
    for (uint8_t e : links)
        stream.WriteUInt8(e);
}

WeaponList SampleList()
{
    WeaponList list;
    list.AddRecord(LightArtilleryGun());
    list.AddRecord(FragmentationCannon());
    list.AddLink();
    list.AddLink();
    list.Get(1).Links.Set(1, true);
    ClipList &clips = list.Get(1).Clips;
    clips.Mutable(0)->AddSection(Rounds(20, {4}));
    clips.Mutable(0)->AddSection(Rounds(5, {0}));
    Clip spare;
    spare.ClipCount = 3;
    spare.AddSection(Rounds(12, {21}));
    clips.Add(spare);
    return list;
}

} // namespace

TEST(WeaponList, AddFitsTheNewWeaponsLinksToTheList)
{
    WeaponList list;
    list.Add(WeaponWithLinks({true, false, true})); // the first weapon sets the count
    list.Add(WeaponWithLinks({true}));
    EXPECT_EQ(list.LinkCount(), 3);
    EXPECT_TRUE(list.Get(1).Links.Get(0));

    // Surplus entries go from the front.
    list.Add(WeaponWithLinks({true, false, false, true, false}));
    const Weapon &third = list.Get(2);
    EXPECT_FALSE(third.Links.Get(0));
    EXPECT_TRUE(third.Links.Get(1));
    ExpectLinksAligned(list);
}

TEST(WeaponList, AddRecordMountsACopyWithFreshClipsAndFalseLinks)
{
    WeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    list.AddLink();
    list.AddLink();
    list.Get(0).Links.Set(1, true);

    EXPECT_EQ(list.AddRecord(LightArtilleryGun()), 1);
    const Weapon &mounted = list.Get(1);
    EXPECT_EQ(mounted.Data, LightArtilleryGun());
    EXPECT_EQ(mounted.Clips, ClipList());
    EXPECT_EQ(mounted.Links.Count(), 2);
    EXPECT_FALSE(mounted.Links.Get(1));
}

TEST(WeaponList, AddAndDeleteLinkKeepEveryWeaponAligned)
{
    WeaponList list;
    list.AddLink(); // nothing to add to
    EXPECT_EQ(list.LinkCount(), 0);
    for (int i = 0; i < 3; ++i)
        list.AddRecord(DefaultWeaponRecord());
    for (int i = 0; i < 3; ++i)
        list.AddLink();
    list.Get(1).Links.Set(2, true);
    list.Get(2).Links.Set(0, true);

    list.DeleteLink(0);
    EXPECT_EQ(list.LinkCount(), 2);
    ExpectLinksAligned(list);
    EXPECT_TRUE(list.Get(1).Links.Get(1));
    EXPECT_FALSE(list.Get(2).Links.Get(0));
    list.DeleteLink(5);
    EXPECT_EQ(list.LinkCount(), 2);
}

TEST(WeaponList, OutOfRangeOperationsDoNothingGetThrowsCopiesAreDeep)
{
    WeaponList list;
    list.AddRecord(LightArtilleryGun());
    list.Delete(1);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Get(1), std::out_of_range);

    WeaponList copy = list;
    copy.Get(0).Clips.Mutable(0)->AddSection(Rounds(4));
    EXPECT_EQ(list.Get(0).Clips.Get(0).SectionCount(), 0);
}

TEST(WeaponListStream, RoundTripKeepsEverythingButTheShield)
{
    WeaponList list = SampleList();
    list.Get(1).Clips.Mutable(1)->Shielded = true;
    Stream stream;
    list.SaveToStream(stream);

    stream.Seek(0);
    WeaponList loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_FALSE(loaded.Get(1).Clips.Get(1).Shielded);
    list.Get(1).Clips.Mutable(1)->Shielded = false;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(loaded.Get(i), list.Get(i)) << "weapon " << i;
}

TEST(WeaponListStream, LayoutIsCountThenRecordClipsAndLinksPerWeapon)
{
    WeaponList list;
    list.AddRecord(FragmentationCannon());
    list.AddLink();
    list.Get(0).Links.Set(0, true);
    list.Get(0).Clips.Mutable(0)->ClipCount = 7;
    list.Get(0).Clips.Mutable(0)->AddSection(Rounds(9));
    Stream stream;
    list.SaveToStream(stream);

    const std::vector<uint8_t> &b = stream.Bytes();
    ASSERT_EQ(b.size(), 4u + 266 + 4 + 4 + 4 + 85 + 4 + 1);
    EXPECT_EQ(bytes::GetInt32(&b[0]), 1);
    EXPECT_EQ(b[4], 20); // length of "Fragmentation Cannon"
    const size_t clips = 4 + 266;
    EXPECT_EQ(bytes::GetInt32(&b[clips]), 1);
    EXPECT_EQ(bytes::GetInt32(&b[clips + 4]), 7); // ClipCount
    EXPECT_EQ(bytes::GetInt32(&b[clips + 8]), 1); // sections
    EXPECT_EQ(bytes::GetInt32(&b[clips + 12]), 9);
    EXPECT_EQ(bytes::GetInt32(&b[clips + 12 + 85]), 1); // links
    EXPECT_EQ(b.back(), 1);
}

TEST(WeaponListStream, VersionSixClipsHaveNoClipCount)
{
    Stream stream;
    stream.WriteInt32(1);
    SaveWeaponRecord(stream, LightArtilleryGun());
    stream.WriteInt32(2); // clips, each without ClipCount:
    stream.WriteInt32(1); //   one section
    SaveAmmoSection(stream, Rounds(33));
    stream.WriteInt32(0); //   no sections
    stream.WriteInt32(0); // links
    stream.Seek(0);

    WeaponList list;
    list.LoadFromStream(stream, 6);
    EXPECT_EQ(stream.Remaining(), 0);
    const ClipList &clips = list.Get(0).Clips;
    ASSERT_EQ(clips.Count(), 2);
    EXPECT_EQ(clips.Get(0).ClipCount, 1);
    EXPECT_EQ(clips.Get(0).GetSection(0).Amount, 33);
    EXPECT_EQ(clips.Get(1).ClipCount, 1);

    Stream saved; // saved again it carries the two clip counts
    list.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), stream.Size() + 8);
}

TEST(WeaponListStream, LaterWeaponWithMoreLinksGrowsTheEarlierOnes)
{
    Stream stream;
    stream.WriteInt32(3);
    WriteStoredWeapon(stream, {1});
    WriteStoredWeapon(stream, {0, 1, 1});
    WriteStoredWeapon(stream, {});
    stream.Seek(0);
    WeaponList list;
    list.LoadFromStream(stream);
    EXPECT_EQ(list.LinkCount(), 3);
    ExpectLinksAligned(list);
    EXPECT_TRUE(list.Get(0).Links.Get(0));
    EXPECT_TRUE(list.Get(1).Links.Get(2));
}

TEST(WeaponListStream, EveryTruncationIsRejectedAndLeavesTheListAlone)
{
    Stream full;
    SampleList().SaveToStream(full);
    const std::vector<uint8_t> &bytes = full.Bytes();
    for (size_t n = 0; n < bytes.size(); ++n) {
        Stream cut(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
        WeaponList list;
        list.AddRecord(LightArtilleryGun());
        EXPECT_THROW(list.LoadFromStream(cut), StreamError) << "prefix " << n;
        ASSERT_EQ(list.Count(), 1);
    }
}

TEST(WeaponListStream, ImplausibleCountsAreRejectedBeforeReserving)
{
    Stream weapons;
    weapons.WriteInt32(2000000000);
    weapons.Seek(0);
    WeaponList list;
    EXPECT_THROW(list.LoadFromStream(weapons), StreamError);

    Stream sections;
    sections.WriteInt32(1);        // ClipCount
    sections.WriteInt32(50000000); // sections
    sections.Seek(0);
    Clip clip;
    EXPECT_THROW(clip.LoadFromStream(sections), StreamError);

    // Link counts far beyond any design would grow every weapon to them.
    Stream links;
    links.WriteInt32(2);
    WriteStoredWeapon(links, {0});
    WriteStoredWeapon(links, {});
    links.Seek(links.Size() - 4);
    links.WriteInt32(100000);
    links.WriteBuffer(std::vector<uint8_t>(100000, 0).data(), 100000);
    links.Seek(0);
    EXPECT_THROW(list.LoadFromStream(links), StreamError);
}

} // namespace aw
