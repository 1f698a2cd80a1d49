#include "SampleRecords.h"

#include "base/Stream.h"

namespace aw {

namespace {

constexpr int kFrag = 4;

} // namespace

MovementRecord MovementSystem(const std::string &name, double top, double stall, int32_t maneuver, bool flight,
                              int32_t libraryIndex)
{
    MovementRecord r;
    r.ModeName = name;
    r.TopSpeed = top;
    r.StallSpeed = stall;
    r.Maneuver = maneuver;
    r.Flight = flight;
    r.CanFly = flight;
    r.HasStall = stall > 0;
    r.LibraryIndex = libraryIndex;
    return r;
}

WeaponRecord WeaponWith(const std::string &name, int32_t rating, int32_t items)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.Rating = rating;
    r.NumberOfItems = items;
    return r;
}

AmmoSection Rounds(int32_t amount, std::initializer_list<int> selectedTypes, std::initializer_list<int> freeTypes)
{
    AmmoSection s = ClearAmmoSection();
    s.Amount = amount;
    for (int k : selectedTypes)
        s.Selected[static_cast<size_t>(k)] = s.Allowed[static_cast<size_t>(k)] = true;
    for (int k : freeTypes)
        s.Free[static_cast<size_t>(k)] = true;
    return s;
}

PerkRecord PlainEntry(const std::string &name, double x, int32_t amount)
{
    PerkRecord r;
    r.PFDName = name;
    r.X = x;
    r.Amount = amount;
    return r;
}

std::vector<uint8_t> TinyBitmap(int width, int height, uint8_t shade)
{
    const int rowSize = (width * 3 + 3) / 4 * 4;
    std::vector<uint8_t> bmp(static_cast<size_t>(54 + rowSize * height), 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bytes::PutUInt32(bmp.data() + 2, static_cast<uint32_t>(bmp.size()));
    bytes::PutUInt32(bmp.data() + 10, 54);
    bytes::PutUInt32(bmp.data() + 14, 40);
    bytes::PutInt32(bmp.data() + 18, width);
    bytes::PutInt32(bmp.data() + 22, height);
    bytes::PutInt16(bmp.data() + 26, 1);
    bytes::PutInt16(bmp.data() + 28, 24);
    bytes::PutUInt32(bmp.data() + 34, static_cast<uint32_t>(rowSize * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            bmp[static_cast<size_t>(54 + y * rowSize + x)] = static_cast<uint8_t>(shade + x);
    return bmp;
}

WeaponRecord LightArtilleryGun()
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = "Light Artillery Gun";
    r.Code = "LAG";
    r.Rating = 1107;
    r.BaseRange = 25;
    r.Damage = 12;
    r.Accuracy = -2;
    r.ROF = 1;
    r.MinSize = 8;
    r.AreaEffect = 0;
    r.MinimumRange = 10;
    r.WeaponType = 3;
    r.AmmoBaseCost = 4.4;
    r.IndirectFire = true;
    return r;
}

WeaponRecord FragmentationCannon()
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = "Fragmentation Cannon";
    r.Code = "FGC";
    r.Rating = 195;
    r.BaseRange = 1;
    r.Damage = 7;
    r.Accuracy = 1;
    r.MinSize = 5;
    r.AmmoBaseCost = 0.75;
    r.AntiInf = true;
    r.BaseAmmo.Selected[kFrag] = true;
    r.BaseAmmo.Free[kFrag] = true;
    r.BaseAmmo.Allowed[kFrag] = true;
    return r;
}

} // namespace aw
