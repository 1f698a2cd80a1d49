#include "weapons/WeaponRecord.h"

#include "engine/base/Stream.h"

namespace off = weaponrecord;

static_assert(off::BaseAmmo + kAmmoSectionSize == kWeaponRecordSize, "the weapon record ends with its ammunition section");

TWeaponRecord DefaultWeaponRecord()
{
    TWeaponRecord record;
    record.Name = "Untitled";
    record.Code = "NONE";
    record.NumberOfItems = 1;
    record.AreaEffect = -1;
    return record;
}

TWeaponRecord ReadWeaponRecord(const uint8_t *p)
{
    using bytes::GetInt32;
    TWeaponRecord r;
    r.Name = bytes::GetShortString(p + off::Name, kWeaponNameCapacity);
    r.Code = bytes::GetShortString(p + off::Code, kWeaponCodeCapacity);
    r.Rating = GetInt32(p + off::Rating);
    r.BaseRange = GetInt32(p + off::BaseRange);
    r.MediumBonus = GetInt32(p + off::MediumBonus);
    r.LongBonus = GetInt32(p + off::LongBonus);
    r.ExtremeBonus = GetInt32(p + off::ExtremeBonus);
    r.Damage = GetInt32(p + off::Damage);
    r.Accuracy = GetInt32(p + off::Accuracy);
    r.ROF = GetInt32(p + off::ROF);
    r.MinSize = GetInt32(p + off::MinSize);
    r.AreaEffect = GetInt32(p + off::AreaEffect);
    r.MinimumRange = GetInt32(p + off::MinimumRange);
    r.DamagePerRB = GetInt32(p + off::DamagePerRB);
    r.AccMod = GetInt32(p + off::AccMod);
    r.DmgMod = GetInt32(p + off::DmgMod);
    r.RangeMod = GetInt32(p + off::RangeMod);
    r.ROFMod = GetInt32(p + off::ROFMod);
    r.SizeMod = GetInt32(p + off::SizeMod);
    r.PoorWorkmanship = GetInt32(p + off::PoorWorkmanship);
    r.WeaponType = GetInt32(p + off::WeaponType);
    r.Arc = GetInt32(p + off::Arc);
    r.NumberOfItems = GetInt32(p + off::NumberOfItems);
    r.AmmoBaseCost = bytes::GetDouble(p + off::AmmoBaseCost);
    r.AntiInf = p[off::AntiInf] != 0;
    r.Guided = p[off::Guided] != 0;
    r.Haywire = p[off::Haywire] != 0;
    r.Incendiary = p[off::Incendiary] != 0;
    r.IndirectFire = p[off::IndirectFire] != 0;
    r.ArmorPiercing = p[off::ArmorPiercing] != 0;
    r.ArmorCrushing = p[off::ArmorCrushing] != 0;
    r.Clumsy = p[off::Clumsy] != 0;
    r.SniperSystem = p[off::SniperSystem] != 0;
    r.Stabilized = p[off::Stabilized] != 0;
    r.Entangle = p[off::Entangle] != 0;
    r.Sporting = p[off::Sporting] != 0;
    r.Disposable = p[off::Disposable] != 0;
    r.BaseAmmo = ReadAmmoSection(p + off::BaseAmmo);
    return r;
}

void WriteWeaponRecord(const TWeaponRecord &r, uint8_t *p)
{
    using bytes::PutInt32;
    bytes::PutShortString(p + off::Name, kWeaponNameCapacity, r.Name);
    bytes::PutShortString(p + off::Code, kWeaponCodeCapacity, r.Code);
    PutInt32(p + off::Rating, r.Rating);
    PutInt32(p + off::BaseRange, r.BaseRange);
    PutInt32(p + off::MediumBonus, r.MediumBonus);
    PutInt32(p + off::LongBonus, r.LongBonus);
    PutInt32(p + off::ExtremeBonus, r.ExtremeBonus);
    PutInt32(p + off::Damage, r.Damage);
    PutInt32(p + off::Accuracy, r.Accuracy);
    PutInt32(p + off::ROF, r.ROF);
    PutInt32(p + off::MinSize, r.MinSize);
    PutInt32(p + off::AreaEffect, r.AreaEffect);
    PutInt32(p + off::MinimumRange, r.MinimumRange);
    PutInt32(p + off::DamagePerRB, r.DamagePerRB);
    PutInt32(p + off::AccMod, r.AccMod);
    PutInt32(p + off::DmgMod, r.DmgMod);
    PutInt32(p + off::RangeMod, r.RangeMod);
    PutInt32(p + off::ROFMod, r.ROFMod);
    PutInt32(p + off::SizeMod, r.SizeMod);
    PutInt32(p + off::PoorWorkmanship, r.PoorWorkmanship);
    PutInt32(p + off::WeaponType, r.WeaponType);
    PutInt32(p + off::Arc, r.Arc);
    PutInt32(p + off::NumberOfItems, r.NumberOfItems);
    bytes::PutDouble(p + off::AmmoBaseCost, r.AmmoBaseCost);
    p[off::AntiInf] = r.AntiInf ? 1 : 0;
    p[off::Guided] = r.Guided ? 1 : 0;
    p[off::Haywire] = r.Haywire ? 1 : 0;
    p[off::Incendiary] = r.Incendiary ? 1 : 0;
    p[off::IndirectFire] = r.IndirectFire ? 1 : 0;
    p[off::ArmorPiercing] = r.ArmorPiercing ? 1 : 0;
    p[off::ArmorCrushing] = r.ArmorCrushing ? 1 : 0;
    p[off::Clumsy] = r.Clumsy ? 1 : 0;
    p[off::SniperSystem] = r.SniperSystem ? 1 : 0;
    p[off::Stabilized] = r.Stabilized ? 1 : 0;
    p[off::Entangle] = r.Entangle ? 1 : 0;
    p[off::Sporting] = r.Sporting ? 1 : 0;
    p[off::Disposable] = r.Disposable ? 1 : 0;
    WriteAmmoSection(r.BaseAmmo, p + off::BaseAmmo);
}

TWeaponRecord LoadWeaponRecord(TStream &stream)
{
    uint8_t image[kWeaponRecordSize];
    stream.ReadBuffer(image, sizeof image);
    return ReadWeaponRecord(image);
}

void SaveWeaponRecord(TStream &stream, const TWeaponRecord &record)
{
    uint8_t image[kWeaponRecordSize];
    WriteWeaponRecord(record, image);
    stream.WriteBuffer(image, sizeof image);
}
