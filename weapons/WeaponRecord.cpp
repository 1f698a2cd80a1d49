#include "weapons/WeaponRecord.h"

#include "base/Stream.h"
#include "weapons/FixedImage.h"

#include <cstring>

namespace aw {

namespace off = weaponrecord;

static_assert(off::BaseAmmo + kAmmoSectionSize == kWeaponRecordSize,
              "the weapon record ends with its ammunition section");

namespace {

struct IntField {
    int32_t WeaponRecord::*Member;
    int Offset;
};

struct BoolField {
    bool WeaponRecord::*Member;
    int Offset;
};

using R = WeaponRecord;

const IntField kIntFields[] = {
    {&R::Rating, off::Rating},
    {&R::BaseRange, off::BaseRange},
    {&R::MediumBonus, off::MediumBonus},
    {&R::LongBonus, off::LongBonus},
    {&R::ExtremeBonus, off::ExtremeBonus},
    {&R::Damage, off::Damage},
    {&R::Accuracy, off::Accuracy},
    {&R::ROF, off::ROF},
    {&R::MinSize, off::MinSize},
    {&R::AreaEffect, off::AreaEffect},
    {&R::MinimumRange, off::MinimumRange},
    {&R::DamagePerRB, off::DamagePerRB},
    {&R::AccMod, off::AccMod},
    {&R::DmgMod, off::DmgMod},
    {&R::RangeMod, off::RangeMod},
    {&R::ROFMod, off::ROFMod},
    {&R::SizeMod, off::SizeMod},
    {&R::PoorWorkmanship, off::PoorWorkmanship},
    {&R::WeaponType, off::WeaponType},
    {&R::Arc, off::Arc},
    {&R::NumberOfItems, off::NumberOfItems},
};

const BoolField kBoolFields[] = {
    {&R::AntiInf, off::AntiInf},
    {&R::Guided, off::Guided},
    {&R::Haywire, off::Haywire},
    {&R::Incendiary, off::Incendiary},
    {&R::IndirectFire, off::IndirectFire},
    {&R::ArmorPiercing, off::ArmorPiercing},
    {&R::ArmorCrushing, off::ArmorCrushing},
    {&R::Clumsy, off::Clumsy},
    {&R::SniperSystem, off::SniperSystem},
    {&R::Stabilized, off::Stabilized},
    {&R::Entangle, off::Entangle},
    {&R::Sporting, off::Sporting},
    {&R::Disposable, off::Disposable},
};

} // namespace

WeaponRecord DefaultWeaponRecord()
{
    WeaponRecord record;
    record.Name = "Untitled";
    record.Code = "NONE";
    record.NumberOfItems = 1;
    record.AreaEffect = -1;
    return record;
}

WeaponRecord ReadWeaponRecord(const uint8_t *p)
{
    WeaponRecord r;
    r.Name = bytes::GetShortString(p + off::Name, kWeaponNameCapacity);
    r.Code = bytes::GetShortString(p + off::Code, kWeaponCodeCapacity);
    for (const IntField &f : kIntFields)
        r.*f.Member = bytes::GetInt32(p + f.Offset);
    r.AmmoBaseCost = bytes::GetDouble(p + off::AmmoBaseCost);
    // Any non-zero byte is true.
    for (const BoolField &f : kBoolFields)
        r.*f.Member = p[f.Offset] != 0;
    r.BaseAmmo = ReadAmmoSection(p + off::BaseAmmo);
    return r;
}

bool WeaponRecord::operator==(const WeaponRecord &other) const
{
    uint8_t mine[kWeaponRecordSize] = {}, theirs[kWeaponRecordSize] = {};
    WriteWeaponRecord(*this, mine);
    WriteWeaponRecord(other, theirs);
    return std::memcmp(mine, theirs, sizeof mine) == 0;
}

void WriteWeaponRecord(const WeaponRecord &r, uint8_t *p)
{
    bytes::PutShortString(p + off::Name, kWeaponNameCapacity, r.Name);
    bytes::PutShortString(p + off::Code, kWeaponCodeCapacity, r.Code);
    for (const IntField &f : kIntFields)
        bytes::PutInt32(p + f.Offset, r.*f.Member);
    bytes::PutDouble(p + off::AmmoBaseCost, r.AmmoBaseCost);
    for (const BoolField &f : kBoolFields)
        p[f.Offset] = r.*f.Member ? 1 : 0;
    WriteAmmoSection(r.BaseAmmo, p + off::BaseAmmo);
}

WeaponRecord LoadWeaponRecord(Stream &stream) { return LoadFixedImage<kWeaponRecordSize>(stream, ReadWeaponRecord); }

void SaveWeaponRecord(Stream &stream, const WeaponRecord &record)
{
    SaveFixedImage<kWeaponRecordSize>(stream, record, WriteWeaponRecord);
}

} // namespace aw
