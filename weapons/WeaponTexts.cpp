#include "weapons/WeaponTexts.h"

#include "base/NumberFormat.h"

#include <array>

namespace aw {

std::string WeaponTypeCaption(int weaponType)
{
    static const std::array<const char *, kWeaponTypeCount> captions = {
        "Cannons", "Rockets && Missiles", "Recoiless Weapons", "Support Weapons", "Advanced Weapons", "Close Combat",
        "Custom"};
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        return {};
    return captions[static_cast<size_t>(weaponType)];
}

std::string WeaponTypeName(int weaponType)
{
    std::string name = WeaponTypeCaption(weaponType);
    for (size_t at = name.find("&&"); at != std::string::npos; at = name.find("&&", at + 1))
        name.erase(at, 1);
    return name;
}

std::string ArcCode(int arc)
{
    // Arcs 9..17 are the same nine arcs with a "p" prefix.
    static const std::array<const char *, kArcCount> codes = {
        "F", "FF", "L", "FL", "R", "FR", "Rr", "FRr", "T", "pF", "pFF", "pL", "pFL", "pR", "pFR", "pRr", "pFRr", "pT"};
    if (arc < 0 || arc >= kArcCount)
        return {};
    return codes[static_cast<size_t>(arc)];
}

std::string ArcCaption(int arc)
{
    static const std::array<const char *, 9> captions = {
        "Forward", "Fixed Forward", "Left", "Fixed Left", "Right", "Fixed Right", "Rear", "Fixed Rear", "Turreted"};
    if (arc < 0 || arc >= static_cast<int>(captions.size()))
        return {};
    return captions[static_cast<size_t>(arc)];
}

bool IsFixedArc(int arc)
{
    switch (arc) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 10:
    case 12:
    case 14:
    case 16:
        return true;
    default:
        return false;
    }
}

bool IsTurretedArc(int arc) { return arc == 8 || arc == 17; }

std::string SpecialCodes(const WeaponRecord &r)
{
    std::string text;
    if (r.WeaponType == kCustomWeaponType)
        text = "C,";
    if (r.AccMod != 0 || r.DmgMod != 0 || r.RangeMod != 0 || r.ROFMod != 0)
        text += " M,";
    if (r.PoorWorkmanship > 0)
        text += " PW-" + number::Integer(r.PoorWorkmanship) + ",";
    if (r.AreaEffect > -1)
        text += " AE" + number::Integer(r.AreaEffect) + ",";
    if (r.MinimumRange > 0)
        text += " MR" + number::Integer(r.MinimumRange) + ",";
    if (r.DamagePerRB != 0)
        text += " DpRB" + number::Integer(r.DamagePerRB) + ",";

    const std::pair<bool, const char *> flags[] = {
        {r.AntiInf, " AI,"},      {r.Guided, " Guid,"},      {r.Haywire, " Hay,"},       {r.Incendiary, " Inc,"},
        {r.IndirectFire, " IF,"}, {r.ArmorPiercing, " AP,"}, {r.ArmorCrushing, " AC,"},  {r.Clumsy, " Cl,"},
        {r.Entangle, " En,"},     {r.Disposable, " Dis,"},   {r.SniperSystem, " Snpr,"}, {r.Stabilized, " Stbl,"},
        {r.Sporting, " Sport,"}};
    for (const auto &[set, code] : flags)
        if (set)
            text += code;

    text += " " + AmmoCodes(r.BaseAmmo);

    // Each trim step at most once, in this order.
    if (!text.empty() && text.back() == ',')
        text.pop_back();
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (!text.empty() && text.back() == ',')
        text.pop_back();
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

WeaponRanges RangeText(const WeaponRecord &r, bool withRangeMod)
{
    // Stored values are taken as they are; the sums wrap like the stored 32-bit numbers.
    const int64_t mod = withRangeMod ? r.RangeMod : 0;
    const int64_t base = r.BaseRange;
    WeaponRanges ranges;
    ranges.Short = static_cast<int32_t>(base + mod);
    ranges.Medium = static_cast<int32_t>(2 * base + r.MediumBonus + mod);
    ranges.Long = static_cast<int32_t>(4 * base + r.LongBonus + mod);
    ranges.Extreme = static_cast<int32_t>(8 * base + r.ExtremeBonus + mod);
    return ranges;
}

int64_t MountedAccuracy(const WeaponRecord &r) { return int64_t{r.Accuracy} + r.AccMod; }

int64_t MountedDamage(const WeaponRecord &r) { return int64_t{r.Damage} + r.DmgMod; }

int64_t MountedROF(const WeaponRecord &r) { return int64_t{r.ROF} + r.ROFMod; }

const LibraryGridRow &LibraryGridCaptions()
{
    static const LibraryGridRow captions = {"Code", "Description", "Rating", "Short", "Med.",     "Long",   "Ext.",
                                            "Acc.", "DMG.",        "ROF",    "Ammo",  "Min Size", "Special"};
    return captions;
}

LibraryGridRow LibraryGridRowOf(const WeaponRecord &r)
{
    const WeaponRanges ranges = RangeText(r, false);
    return {r.Code,
            r.Name,
            number::Integer(r.Rating),
            number::Integer(ranges.Short),
            number::Integer(ranges.Medium),
            number::Integer(ranges.Long),
            number::Integer(ranges.Extreme),
            number::Signed(r.Accuracy),
            number::Integer(r.Damage),
            number::Signed(r.ROF),
            number::General(r.AmmoBaseCost),
            number::Integer(r.MinSize),
            SpecialCodes(r)};
}

int LibraryGridSortColumn(int gridColumn)
{
    // Code, Description, Rating, four range captions, Acc., DMG., ROF, Ammo, Min Size, Special.
    static const std::array<int, kLibraryGridColumns> sortColumns = {1, 2, 3, 4, 4, 4, 4, 5, 6, 7, 8, 9, 0};
    if (gridColumn < 0 || gridColumn >= kLibraryGridColumns)
        return 0;
    return sortColumns[static_cast<size_t>(gridColumn)];
}

} // namespace aw
