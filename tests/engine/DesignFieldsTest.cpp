// The field lists name every stored field of each record exactly once: the JSON form and
// the comparison would otherwise silently drop a field.
#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"

#include "engine/DesignFields.h"
#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "weapons/WeaponRecord.h"

#include <gtest/gtest.h>

#include <set>

namespace aw {

namespace {

// The name and address of every visited field.
struct FieldSeen {
    std::vector<std::string> Names;
    std::vector<const void *> Addresses;

    void Note(const char *name, const void *address)
    {
        Names.push_back(name);
        Addresses.push_back(address);
    }
    template <typename T> void operator()(const char *name, T &value) { Note(name, &value); }
    template <typename S> void operator()(const char *name, TextField<S> text) { Note(name, &text.Value); }
    template <typename V> void operator()(const char *name, BytesField<V> data) { Note(name, &data.Value); }
};

// Changes the one visited field whose turn it is to a value no cleared record has.
struct Nudge {
    int Target;
    int Index = 0;

    bool Mine() { return Index++ == Target; }
    void operator()(const char *, int32_t &v) { v += Mine() ? 1000 : 0; }
    void operator()(const char *, double &v) { v += Mine() ? 0.5 : 0.0; }
    void operator()(const char *, bool &v) { v = Mine() ? !v : v; }
    void operator()(const char *, std::array<bool, kAmmoTypeCount> &flags)
    {
        if (Mine())
            flags[3] = !flags[3];
    }
    void operator()(const char *, TextField<std::string> text)
    {
        if (Mine())
            text.Value = text.Value.empty() ? "Q" : "Q" + text.Value.substr(1);
    }
    void operator()(const char *, BytesField<SharedBytes> data)
    {
        if (Mine())
            data.Value = TinyBitmap(1, 1);
    }
};

template <typename R, typename Visit> FieldSeen FieldsOf(R &record, Visit visit)
{
    FieldSeen seen;
    visit(record, seen);
    return seen;
}

template <typename R, typename Visit> void ExpectEachFieldOnce(R &record, Visit visit, size_t expectedCount)
{
    const FieldSeen seen = FieldsOf(record, visit);
    EXPECT_EQ(seen.Names.size(), expectedCount);
    EXPECT_EQ(std::set<std::string>(seen.Names.begin(), seen.Names.end()).size(), seen.Names.size())
        << "a name is used twice";
    EXPECT_EQ(std::set<const void *>(seen.Addresses.begin(), seen.Addresses.end()).size(), seen.Addresses.size())
        << "two names reach one member";
    const auto *begin = reinterpret_cast<const char *>(&record);
    for (size_t i = 0; i < seen.Addresses.size(); ++i) {
        const auto *address = static_cast<const char *>(seen.Addresses[i]);
        EXPECT_TRUE(address >= begin && address < begin + sizeof(R)) << seen.Names[i] << " is not a member";
    }
}

// Each visited field, changed alone, changes the stored image: it is a stored field.
template <typename R, typename Visit, typename Write>
void ExpectEachFieldStored(const R &cleared, Visit visit, size_t imageSize, Write write)
{
    std::vector<uint8_t> clearedImage(imageSize);
    write(cleared, clearedImage.data());
    R probe = cleared;
    const size_t count = FieldsOf(probe, visit).Names.size();
    for (size_t i = 0; i < count; ++i) {
        R changed = cleared;
        visit(changed, Nudge{static_cast<int>(i)});
        std::vector<uint8_t> image(imageSize);
        write(changed, image.data());
        EXPECT_NE(image, clearedImage) << "field " << FieldsOf(probe, visit).Names[i] << " is not stored";
    }
}

const auto movementFields = [](auto &r, auto &&f) { ForEachMovementField(r, f); };
const auto perkFields = [](auto &r, auto &&f) { ForEachPerkField(r, f); };
const auto weaponFields = [](auto &r, auto &&f) { ForEachWeaponField(r, f); };
const auto sectionFields = [](auto &r, auto &&f) { ForEachAmmoSectionField(r, f); };

} // namespace

TEST(DesignFields, RecordFieldListsAreCompleteAndStored)
{
    // The counts are those of the stored layouts: 9 movement fields, 49 perk/flaw/defect
    // fields, 37 weapon fields besides its base ammunition, 4 section fields.
    MovementRecord movement;
    ExpectEachFieldOnce(movement, movementFields, 9);
    ExpectEachFieldStored(movement, movementFields, MovementRecord::Size, WriteMovementRecord);

    PerkRecord perk;
    ExpectEachFieldOnce(perk, perkFields, 49);
    ExpectEachFieldStored(perk, perkFields, PerkRecord::Size, WritePerkRecord);

    WeaponRecord weapon = DefaultWeaponRecord();
    ExpectEachFieldOnce(weapon, weaponFields, 37);
    ExpectEachFieldStored(weapon, weaponFields, kWeaponRecordSize, WriteWeaponRecord);

    AmmoSection section = ClearAmmoSection();
    ExpectEachFieldOnce(section, sectionFields, 4);
    ExpectEachFieldStored(section, sectionFields, kAmmoSectionSize, WriteAmmoSection);
}

TEST(DesignFields, VehicleFieldListIsCompleteAndStored)
{
    // 14 descriptive texts, 11 whole numbers, 3 reals, the currency name, 3 long texts,
    // the file version and the picture.
    Vehicle vehicle;
    ExpectEachFieldOnce(
        vehicle, [](auto &r, auto &&f) { ForEachVehicleField(r, f); }, 34);
    ExpectEachFieldOnce(
        vehicle.CustomProduction, [](auto &r, auto &&f) { ForEachCustomProductionField(r, f); }, 5);

    // Every vehicle field but the file version (always written as the current one) is in the body.
    const std::vector<uint8_t> cleared = BodyOf(vehicle);
    const FieldSeen seen = FieldsOf(vehicle, [](auto &r, auto &&f) { ForEachVehicleField(r, f); });
    for (size_t i = 0; i < seen.Names.size(); ++i) {
        Vehicle changed;
        ForEachVehicleField(changed, Nudge{static_cast<int>(i)});
        if (seen.Names[i] == "FileVersion")
            EXPECT_EQ(BodyOf(changed), cleared);
        else
            EXPECT_NE(BodyOf(changed), cleared) << seen.Names[i] << " is not stored";
    }
}

} // namespace aw
