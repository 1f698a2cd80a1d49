#include "weapons/Weapon.h"

#include "base/ExtendedMath.h"
#include "base/Stream.h"

namespace aw {

namespace {

// Rounds a weapon of minimum size m may carry before each size step.
int64_t AmmoThreshold(int32_t m)
{
    switch (m) {
    case 1:
        return 625;
    case 2:
        return 80;
    case 3:
        return 25;
    case 4:
        return 10;
    case 5:
        return 5;
    case 6:
        return 3;
    case 7:
        return 2;
    default:
        return 1;
    }
}

// How much the threshold grows with each further size step.
int64_t ThresholdGrowth(int32_t m)
{
    if (m < 10)
        return 4;
    if (m < 20)
        return 3;
    return 2;
}

} // namespace

int32_t Weapon::EffectiveMinSize() const
{
    const int32_t m = Data.MinSize;
    int64_t threshold = AmmoThreshold(m);
    const int64_t growth = ThresholdGrowth(m);
    const int64_t ammo = Clips.TotalAmmo();
    int64_t steps = 0;
    // The threshold at least doubles each time, so this ends well before it could overflow.
    while (ammo > threshold + 1) {
        ++steps;
        threshold *= growth;
    }
    const int64_t size = static_cast<int64_t>(m) + steps - (Data.Stabilized ? 2 : 0) + Data.SizeMod;
    return SaturateInt32(size);
}

void Weapon::LoadFromStream(Stream &stream, int fileVersion)
{
    Data = LoadWeaponRecord(stream);
    Clips.LoadFromStream(stream, fileVersion);
    Links.LoadFromStream(stream);
}

void Weapon::SaveToStream(Stream &stream) const
{
    SaveWeaponRecord(stream, Data);
    Clips.SaveToStream(stream);
    Links.SaveToStream(stream);
}

} // namespace aw
