#include "engine/base/Stream.h"
#include "weapons/WeaponRecord.h"

#include "WeaponFixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

using Image = std::array<uint8_t, kWeaponRecordSize>;

// A record whose every field holds a distinct value.
TWeaponRecord DistinctRecord()
{
    TWeaponRecord r;
    r.Name = "Very Light Rocket Pack/128";
    r.Code = "VLRP/128";
    int32_t v = 1001;
    for (int32_t *field : {&r.Rating, &r.BaseRange, &r.MediumBonus, &r.LongBonus, &r.ExtremeBonus, &r.Damage,
                           &r.Accuracy, &r.ROF, &r.MinSize, &r.AreaEffect, &r.MinimumRange, &r.DamagePerRB,
                           &r.AccMod, &r.DmgMod, &r.RangeMod, &r.ROFMod, &r.SizeMod, &r.PoorWorkmanship,
                           &r.WeaponType, &r.Arc, &r.NumberOfItems})
        *field = v++;
    r.Rating = -1;
    r.AmmoBaseCost = 0.27;
    r.Guided = true;
    r.Clumsy = true;
    r.Disposable = true;
    r.BaseAmmo.Amount = 48;
    r.BaseAmmo.Selected[18] = true;
    r.BaseAmmo.Free[18] = true;
    r.BaseAmmo.Allowed[26] = true;
    return r;
}

} // namespace

TEST(WeaponRecordImage, FieldsSitAtTheirOffsets)
{
    const TWeaponRecord r = DistinctRecord();
    Image b{};
    WriteWeaponRecord(r, b.data());

    EXPECT_EQ(b[0], 26);
    EXPECT_EQ(std::memcmp(&b[1], "Very Light Rocket Pack/128", 26), 0);
    EXPECT_EQ(b[65], 8);
    EXPECT_EQ(std::memcmp(&b[66], "VLRP/128", 8), 0);
    EXPECT_EQ(bytes::GetInt32(&b[76]), -1);
    EXPECT_EQ(bytes::GetInt32(&b[80]), 1002);   // BaseRange
    EXPECT_EQ(bytes::GetInt32(&b[92]), 1005);   // ExtremeBonus
    EXPECT_EQ(bytes::GetInt32(&b[100]), 1007);  // Accuracy
    EXPECT_EQ(bytes::GetInt32(&b[108]), 1009);  // MinSize
    EXPECT_EQ(bytes::GetInt32(&b[120]), 1012);  // DamagePerRB
    EXPECT_EQ(bytes::GetInt32(&b[140]), 1017);  // SizeMod
    EXPECT_EQ(bytes::GetInt32(&b[148]), 1019);  // WeaponType
    EXPECT_EQ(bytes::GetInt32(&b[152]), 1020);  // Arc
    EXPECT_EQ(bytes::GetInt32(&b[156]), 1021);  // NumberOfItems
    EXPECT_EQ(bytes::GetDouble(&b[160]), 0.27);
    const uint8_t flags[13] = {0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(&b[168], flags, sizeof flags), 0);
    EXPECT_EQ(bytes::GetInt32(&b[181]), 48);
    // Type 18 flags at 4 + 3 x 18 within the section; Allowed of type 26 is the very last byte.
    EXPECT_EQ(b[181 + 4 + 54], 1);
    EXPECT_EQ(b[181 + 5 + 54], 1);
    EXPECT_EQ(b[181 + 6 + 54], 0);
    EXPECT_EQ(b[265], 1);
}

TEST(WeaponRecordImage, ReadsBackWhatWasWritten)
{
    const TWeaponRecord r = DistinctRecord();
    Image b{};
    WriteWeaponRecord(r, b.data());
    EXPECT_EQ(ReadWeaponRecord(b.data()), r);

    TStream stream;
    SaveWeaponRecord(stream, r);
    EXPECT_EQ(stream.Size(), kWeaponRecordSize);
    stream.Seek(0);
    EXPECT_EQ(LoadWeaponRecord(stream), r);
}

TEST(WeaponRecordImage, IgnoresLeftoverTextBytesAndReadsAnyNonZeroFlagAsTrue)
{
    Image b{};
    WriteWeaponRecord(DefaultWeaponRecord(), b.data());
    std::memset(&b[1 + 8], 'x', 56); // leftovers after "Untitled"
    std::memset(&b[66 + 4], 'y', 6); // and after "NONE"
    b[168] = 0x80;
    b[181 + 4] = 7;
    const TWeaponRecord r = ReadWeaponRecord(b.data());
    EXPECT_EQ(r.Name, "Untitled");
    EXPECT_EQ(r.Code, "NONE");
    EXPECT_TRUE(r.AntiInf);
    EXPECT_TRUE(r.BaseAmmo.Selected[0]);
    EXPECT_FALSE(r.BaseAmmo.Free[0]);
}

TEST(WeaponRecordImage, OverlongLengthBytesAreCutToTheCapacity)
{
    Image b{};
    WriteWeaponRecord(DefaultWeaponRecord(), b.data());
    b[65] = 200;
    b[0] = 255;
    const TWeaponRecord r = ReadWeaponRecord(b.data());
    EXPECT_EQ(r.Code.size(), 10u);
    EXPECT_EQ(r.Name.size(), 64u);

    TWeaponRecord longCode = DefaultWeaponRecord();
    longCode.Code = "ABCDEFGHIJKLMN";
    WriteWeaponRecord(longCode, b.data());
    EXPECT_EQ(b[65], 10);
    EXPECT_EQ(ReadWeaponRecord(b.data()).Code, "ABCDEFGHIJ");
    EXPECT_EQ(bytes::GetInt32(&b[76]), 0); // the text did not spill into Rating
}

TEST(WeaponRecordImage, ShortDataIsAStreamError)
{
    TStream stream(std::vector<uint8_t>(kWeaponRecordSize - 1, 0));
    EXPECT_THROW(LoadWeaponRecord(stream), EStreamError);
    TStream section(std::vector<uint8_t>(kAmmoSectionSize - 1, 0));
    EXPECT_THROW(LoadAmmoSection(section), EStreamError);
}

TEST(WeaponRecordDefaults, NewWeaponRecord)
{
    const TWeaponRecord r = DefaultWeaponRecord();
    EXPECT_EQ(r.Name, "Untitled");
    EXPECT_EQ(r.Code, "NONE");
    EXPECT_EQ(r.NumberOfItems, 1);
    EXPECT_EQ(r.AreaEffect, -1);
    EXPECT_EQ(r.Rating, 0);
    EXPECT_EQ(r.AmmoBaseCost, 0.0);
    EXPECT_EQ(r.WeaponType, 0);
    EXPECT_EQ(r.Arc, 0);
    EXPECT_FALSE(r.Sporting);
    EXPECT_EQ(r.BaseAmmo, ClearAmmoSection());

    Image b;
    b.fill(0xAA);
    WriteWeaponRecord(r, b.data());
    // Everything past the texts is zero but NumberOfItems and AreaEffect.
    for (int i = 76; i < kWeaponRecordSize; ++i) {
        if ((i >= 112 && i < 116) || (i >= 156 && i < 160))
            continue;
        EXPECT_EQ(b[static_cast<size_t>(i)], 0) << "offset " << i;
    }
    EXPECT_EQ(bytes::GetInt32(&b[112]), -1);
    EXPECT_EQ(bytes::GetInt32(&b[156]), 1);
}

TEST(AmmoSectionImage, CountThenThreeFlagsPerType)
{
    TAmmoSection s = fixtures::Section(-3, {0, 26});
    s.Free[13] = true;
    s.Allowed[1] = true;
    std::array<uint8_t, kAmmoSectionSize> b{};
    WriteAmmoSection(s, b.data());
    EXPECT_EQ(bytes::GetInt32(b.data()), -3);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(b[5 + 39], 1);
    EXPECT_EQ(b[6 + 3], 1);
    EXPECT_EQ(b[4 + 78], 1);
    int set = 0;
    for (uint8_t v : b)
        set += v != 0 ? 1 : 0;
    EXPECT_EQ(set, 4 + 4); // the four flags and the four bytes of -3
    EXPECT_EQ(ReadAmmoSection(b.data()), s);
}
