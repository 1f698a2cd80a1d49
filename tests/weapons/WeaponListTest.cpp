#include "engine/base/Stream.h"
#include "weapons/WeaponList.h"

#include "WeaponFixtures.h"

#include <gtest/gtest.h>

using fixtures::Section;

namespace {

// Every weapon has as many link entries as the list's link count.
void ExpectLinksAligned(const TWeaponList &list)
{
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Get(i).Links.Count(), list.LinkCount()) << "weapon " << i;
}

TWeapon WeaponWithLinks(std::initializer_list<bool> links)
{
    TWeapon w;
    for (bool l : links)
        w.Links.Add(l);
    return w;
}

} // namespace

TEST(WeaponList, NewWeaponHasDefaultRecordMagazineAndNoLinks)
{
    const TWeapon w;
    EXPECT_EQ(w.Data, DefaultWeaponRecord());
    EXPECT_EQ(w.Clips.Count(), 1);
    EXPECT_EQ(w.Links.Count(), 0);
}

TEST(WeaponList, AddFitsTheNewWeaponsLinksToTheList)
{
    TWeaponList list;
    list.Add(WeaponWithLinks({true, false, true})); // first weapon sets the count
    EXPECT_EQ(list.LinkCount(), 3);

    list.Add(WeaponWithLinks({true}));
    EXPECT_EQ(list.Get(1).Links.Count(), 3);
    EXPECT_TRUE(list.Get(1).Links.Get(0));
    EXPECT_FALSE(list.Get(1).Links.Get(2));

    // Surplus entries go from the front.
    list.Add(WeaponWithLinks({true, false, false, true, false}));
    const TWeapon &third = list.Get(2);
    ASSERT_EQ(third.Links.Count(), 3);
    EXPECT_FALSE(third.Links.Get(0));
    EXPECT_TRUE(third.Links.Get(1));
    EXPECT_FALSE(third.Links.Get(2));
    ExpectLinksAligned(list);
}

TEST(WeaponList, AddRecordMountsACopyWithFreshClipsAndFalseLinks)
{
    TWeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    list.AddLink();
    list.AddLink();
    list.Get(0).Links.Set(1, true);

    const TWeaponRecord lag = fixtures::LightArtilleryGun();
    EXPECT_EQ(list.AddRecord(lag), 1);
    const TWeapon &mounted = list.Get(1);
    EXPECT_EQ(mounted.Data, lag);
    EXPECT_EQ(mounted.Clips.Count(), 1);
    EXPECT_EQ(mounted.Clips.Get(0).SectionCount(), 0);
    ASSERT_EQ(mounted.Links.Count(), 2);
    EXPECT_FALSE(mounted.Links.Get(0));
    EXPECT_FALSE(mounted.Links.Get(1));
}

TEST(WeaponList, AddAndDeleteLinkKeepEveryWeaponAligned)
{
    TWeaponList list;
    EXPECT_EQ(list.LinkCount(), 0);
    list.AddLink(); // nothing to add to
    EXPECT_EQ(list.LinkCount(), 0);
    for (int i = 0; i < 3; ++i)
        list.AddRecord(DefaultWeaponRecord());
    list.AddLink();
    list.AddLink();
    list.AddLink();
    list.Get(1).Links.Set(2, true);
    list.Get(2).Links.Set(0, true);
    ExpectLinksAligned(list);

    list.DeleteLink(0);
    EXPECT_EQ(list.LinkCount(), 2);
    ExpectLinksAligned(list);
    EXPECT_TRUE(list.Get(1).Links.Get(1));
    EXPECT_FALSE(list.Get(2).Links.Get(0));

    list.DeleteLink(5);
    list.DeleteLink(-1);
    EXPECT_EQ(list.LinkCount(), 2);
}

TEST(WeaponList, OutOfRangeOperationsDoNothingAndGetThrows)
{
    TWeaponList list;
    list.AddRecord(fixtures::LightArtilleryGun());
    list.AddRecord(fixtures::FragmentationCannon());
    list.Delete(2);
    list.Exchange(0, 2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0).Data.Code, "LAG");
    EXPECT_THROW(list.Get(2), std::out_of_range);
    EXPECT_THROW(list.Get(-1), std::out_of_range);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Get(0).Data.Code, "FGC");
    list.Delete(0);
    EXPECT_EQ(list.Get(0).Data.Code, "LAG");
}

TEST(WeaponList, CopyIsDeep)
{
    TWeaponList list;
    list.AddRecord(fixtures::LightArtilleryGun());
    TWeaponList copy = list;
    copy.Get(0).Data.Code = "X";
    copy.Get(0).Clips.Mutable(0)->AddSection(Section(4));
    EXPECT_EQ(list.Get(0).Data.Code, "LAG");
    EXPECT_EQ(list.Get(0).Clips.Get(0).SectionCount(), 0);
}

namespace {

TWeaponList SampleList()
{
    TWeaponList list;
    list.AddRecord(fixtures::LightArtilleryGun());
    list.AddRecord(fixtures::FragmentationCannon());
    list.AddLink();
    list.AddLink();
    list.Get(1).Links.Set(1, true);
    TWeapon &fgc = list.Get(1);
    fgc.Clips.Mutable(0)->AddSection(Section(20, {4}));
    fgc.Clips.Mutable(0)->AddSection(Section(5, {0}));
    TClip spare;
    spare.ClipCount = 3;
    spare.AddSection(Section(12, {21}));
    fgc.Clips.Add(spare);
    return list;
}

} // namespace

TEST(WeaponListStream, RoundTripKeepsEverythingButTheShield)
{
    TWeaponList list = SampleList();
    list.Get(1).Clips.Mutable(1)->Shielded = true;
    TStream stream;
    list.SaveToStream(stream);

    stream.Seek(0);
    TWeaponList loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_FALSE(loaded.Get(1).Clips.Get(1).Shielded);
    list.Get(1).Clips.Mutable(1)->Shielded = false;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(loaded.Get(i), list.Get(i)) << "weapon " << i;

    TStream again;
    loaded.SaveToStream(again);
    EXPECT_EQ(again.Bytes(), stream.Bytes());
}

TEST(WeaponListStream, LayoutIsCountThenRecordClipsAndLinksPerWeapon)
{
    TWeaponList list;
    list.AddRecord(fixtures::FragmentationCannon());
    list.AddLink();
    list.Get(0).Links.Set(0, true);
    list.Get(0).Clips.Mutable(0)->ClipCount = 7;
    list.Get(0).Clips.Mutable(0)->AddSection(Section(9));
    TStream stream;
    list.SaveToStream(stream);

    const std::vector<uint8_t> &b = stream.Bytes();
    ASSERT_EQ(b.size(), 4u + 266 + 4 + 4 + 4 + 85 + 4 + 1);
    EXPECT_EQ(bytes::GetInt32(&b[0]), 1);
    EXPECT_EQ(b[4], 20); // name length of "Fragmentation Cannon"
    size_t at = 4 + 266;
    EXPECT_EQ(bytes::GetInt32(&b[at]), 1);     // clips
    EXPECT_EQ(bytes::GetInt32(&b[at + 4]), 7); // ClipCount
    EXPECT_EQ(bytes::GetInt32(&b[at + 8]), 1); // sections
    EXPECT_EQ(bytes::GetInt32(&b[at + 12]), 9);
    at += 12 + 85;
    EXPECT_EQ(bytes::GetInt32(&b[at]), 1); // links
    EXPECT_EQ(b[at + 4], 1);
}

TEST(WeaponListStream, VersionSixClipsHaveNoClipCount)
{
    // One weapon, two clips without ClipCount: one section of 33 rounds, then none.
    TStream stream;
    stream.WriteInt32(1);
    SaveWeaponRecord(stream, fixtures::LightArtilleryGun());
    stream.WriteInt32(2);
    stream.WriteInt32(1);
    SaveAmmoSection(stream, Section(33));
    stream.WriteInt32(0);
    stream.WriteInt32(0); // links
    stream.Seek(0);

    TWeaponList list;
    list.LoadFromStream(stream, 6);
    EXPECT_EQ(stream.Remaining(), 0);
    ASSERT_EQ(list.Count(), 1);
    const TClipList &clips = list.Get(0).Clips;
    ASSERT_EQ(clips.Count(), 2);
    EXPECT_EQ(clips.Get(0).ClipCount, 1);
    EXPECT_EQ(clips.Get(0).GetSection(0).Amount, 33);
    EXPECT_EQ(clips.Get(1).ClipCount, 1);
    EXPECT_EQ(clips.Get(1).SectionCount(), 0);

    // Saved again it carries the clip counts.
    TStream saved;
    list.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), stream.Size() + 8);
}

TEST(WeaponListStream, LaterWeaponWithMoreLinksGrowsTheEarlierOnes)
{
    TStream stream;
    stream.WriteInt32(3);
    const std::vector<std::vector<uint8_t>> links = {{1}, {0, 1, 1}, {}};
    for (const auto &entries : links) {
        SaveWeaponRecord(stream, DefaultWeaponRecord());
        TClipList().SaveToStream(stream);
        stream.WriteInt32(static_cast<int32_t>(entries.size()));
        for (uint8_t e : entries)
            stream.WriteUInt8(e);
    }
    stream.Seek(0);
    TWeaponList list;
    list.LoadFromStream(stream);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.LinkCount(), 3);
    ExpectLinksAligned(list);
    EXPECT_TRUE(list.Get(0).Links.Get(0));
    EXPECT_FALSE(list.Get(0).Links.Get(2));
    EXPECT_TRUE(list.Get(1).Links.Get(2));
    EXPECT_FALSE(list.Get(2).Links.Get(0));
}

TEST(WeaponListStream, EveryTruncationIsRejectedAndLeavesTheListAlone)
{
    TStream full;
    SampleList().SaveToStream(full);
    const std::vector<uint8_t> &bytes = full.Bytes();
    for (size_t n = 0; n < bytes.size(); ++n) {
        TStream cut(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
        TWeaponList list;
        list.AddRecord(fixtures::LightArtilleryGun());
        EXPECT_THROW(list.LoadFromStream(cut), EStreamError) << "prefix " << n;
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(list.Get(0).Data.Code, "LAG");
    }
}

TEST(WeaponListStream, ImplausibleCountsAreRejectedBeforeReserving)
{
    {
        TStream stream;
        stream.WriteInt32(2000000000);
        stream.Seek(0);
        TWeaponList list;
        EXPECT_THROW(list.LoadFromStream(stream), EStreamError);
    }
    {
        TStream stream;
        stream.WriteInt32(1);
        SaveWeaponRecord(stream, DefaultWeaponRecord());
        stream.WriteInt32(2147483647); // clips
        stream.WriteInt32(0);
        stream.WriteInt32(0);
        stream.Seek(0);
        TWeaponList list;
        EXPECT_THROW(list.LoadFromStream(stream), EStreamError);
    }
    {
        TStream stream;
        stream.WriteInt32(1); // ClipCount
        stream.WriteInt32(50000000); // sections
        stream.WriteInt32(0);
        stream.Seek(0);
        TClip clip;
        EXPECT_THROW(clip.LoadFromStream(stream), EStreamError);
    }
}

TEST(WeaponListStream, NegativeCountsReadAsEmpty)
{
    TStream stream;
    stream.WriteInt32(-4);
    stream.Seek(0);
    TWeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    list.LoadFromStream(stream);
    EXPECT_EQ(list.Count(), 0);

    TStream clipStream;
    clipStream.WriteInt32(-1);
    clipStream.Seek(0);
    TClipList clips;
    clips.LoadFromStream(clipStream);
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(clips.TotalAmmo(), 0);
    EXPECT_EQ(clips.Get(0).SectionCount(), 0);
}

TEST(WeaponListStream, AbsurdLinkCountIsDamage)
{
    TStream stream;
    stream.WriteInt32(2);
    for (int w = 0; w < 2; ++w) {
        SaveWeaponRecord(stream, DefaultWeaponRecord());
        TClipList().SaveToStream(stream);
        const int32_t links = w == 0 ? 1 : 100000;
        stream.WriteInt32(links);
        for (int32_t i = 0; i < links; ++i)
            stream.WriteUInt8(0);
    }
    stream.Seek(0);
    TWeaponList list;
    EXPECT_THROW(list.LoadFromStream(stream), EStreamError);
}
