#include "weapons/WeaponRecord.h"
#include "base/Stream.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>

namespace aw {

namespace {

using Image = std::array<uint8_t, kWeaponRecordSize>;

// A record whose number fields hold distinct values.
WeaponRecord DistinctRecord()
{
    WeaponRecord r;
    r.Name = "Very Light Rocket Pack/128";
    r.Code = "VLRP/128";
    int32_t v = 1001;
    for (int32_t *field :
         {&r.Rating,   &r.BaseRange, &r.MediumBonus, &r.LongBonus,       &r.ExtremeBonus, &r.Damage, &r.Accuracy,
          &r.ROF,      &r.MinSize,   &r.AreaEffect,  &r.MinimumRange,    &r.DamagePerRB,  &r.AccMod, &r.DmgMod,
          &r.RangeMod, &r.ROFMod,    &r.SizeMod,     &r.PoorWorkmanship, &r.WeaponType,   &r.Arc,    &r.NumberOfItems})
        *field = v++;
    r.Rating = -1;
    r.AmmoBaseCost = 0.27;
    r.Guided = true;
    r.Clumsy = true;
    r.Disposable = true;
    r.BaseAmmo = Rounds(48, {18});
    r.BaseAmmo.Free[18] = true;
    r.BaseAmmo.Allowed[18] = false; // set, free but not allowed: three distinct bytes
    r.BaseAmmo.Allowed[26] = true;
    return r;
}

} // namespace

TEST(WeaponRecordImage, FieldsSitAtTheirOffsetsAndReadBack)
{
    const WeaponRecord r = DistinctRecord();
    Image b{};
    WriteWeaponRecord(r, b.data());

    EXPECT_EQ(b[0], 26);
    EXPECT_EQ(std::memcmp(&b[1], "Very Light Rocket Pack/128", 26), 0);
    EXPECT_EQ(b[65], 8);
    EXPECT_EQ(std::memcmp(&b[66], "VLRP/128", 8), 0);
    EXPECT_EQ(bytes::GetInt32(&b[76]), -1);
    EXPECT_EQ(bytes::GetInt32(&b[80]), 1002);  // BaseRange
    EXPECT_EQ(bytes::GetInt32(&b[100]), 1007); // Accuracy
    EXPECT_EQ(bytes::GetInt32(&b[112]), 1010); // AreaEffect
    EXPECT_EQ(bytes::GetInt32(&b[140]), 1017); // SizeMod
    EXPECT_EQ(bytes::GetInt32(&b[156]), 1021); // NumberOfItems
    EXPECT_EQ(bytes::GetDouble(&b[160]), 0.27);
    const uint8_t flags[13] = {0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(&b[168], flags, sizeof flags), 0);
    EXPECT_EQ(bytes::GetInt32(&b[181]), 48);
    // Selected, Free, Allowed of type k at 4 + 3k within the section.
    EXPECT_EQ(b[181 + 4 + 54], 1);
    EXPECT_EQ(b[181 + 5 + 54], 1);
    EXPECT_EQ(b[181 + 6 + 54], 0);
    EXPECT_EQ(b[265], 1); // Allowed of type 26 is the last byte

    EXPECT_EQ(ReadWeaponRecord(b.data()), r);
    // A record is the same as itself even with a cost that is not a number (a foreign or
    // damaged file), or a custom weapon list could never find it again.
    WeaponRecord odd = r;
    odd.AmmoBaseCost = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(odd, odd);
    EXPECT_NE(odd, r);
    Stream stream;
    SaveWeaponRecord(stream, r);
    EXPECT_EQ(stream.Bytes(), std::vector<uint8_t>(b.begin(), b.end()));
}

TEST(WeaponRecordImage, IgnoresLeftoverTextBytesAndReadsAnyNonZeroFlagAsTrue)
{
    Image b{};
    WriteWeaponRecord(DefaultWeaponRecord(), b.data());
    std::memset(&b[1 + 8], 'x', 56); // leftovers after "Untitled"
    std::memset(&b[66 + 4], 'y', 6); // and after "NONE"
    b[168] = 0x80;
    b[181 + 4] = 7;
    const WeaponRecord r = ReadWeaponRecord(b.data());
    EXPECT_EQ(r.Name, "Untitled");
    EXPECT_EQ(r.Code, "NONE");
    EXPECT_TRUE(r.AntiInf);
    EXPECT_TRUE(r.BaseAmmo.Selected[0]);
    EXPECT_FALSE(r.BaseAmmo.Free[0]);
}

TEST(WeaponRecordImage, TextsAreKeptWithinTheirCapacity)
{
    Image b{};
    WriteWeaponRecord(DefaultWeaponRecord(), b.data());
    b[0] = 255;
    b[65] = 200;
    const WeaponRecord r = ReadWeaponRecord(b.data());
    EXPECT_EQ(r.Name.size(), 64u);
    EXPECT_EQ(r.Code.size(), 10u);

    WeaponRecord longCode = DefaultWeaponRecord();
    longCode.Code = "ABCDEFGHIJKLMN";
    WriteWeaponRecord(longCode, b.data());
    EXPECT_EQ(ReadWeaponRecord(b.data()).Code, "ABCDEFGHIJ");
    EXPECT_EQ(bytes::GetInt32(&b[76]), 0); // nothing spilled into Rating
}

TEST(WeaponRecordImage, ShortDataIsAStreamError)
{
    Stream stream(std::vector<uint8_t>(kWeaponRecordSize - 1, 0));
    EXPECT_THROW(LoadWeaponRecord(stream), StreamError);
    Stream section(std::vector<uint8_t>(kAmmoSectionSize - 1, 0));
    EXPECT_THROW(LoadAmmoSection(section), StreamError);
}

} // namespace aw
