#include "weapons/AmmoTypes.h"

#include <array>
#include <cstddef>

namespace aw {

namespace {

// Log labels keep the program's own wording, misspellings included.
const std::array<AmmoType, kAmmoTypeCount> kTypes = {{
    {"Anti-Laser", " AL,", 5, "               Cost after Anti-Laser = "},
    {"Anti-Structure", " AS,", 15, "               Cost after Anti Struc = "},
    {"Area Effect", " AE Boost,", 15, "               Cost after Area Affect = "},
    {"Fire Fighting Foam", " FFF,", 1, "               Cost after Fire Figthing Foam = "},
    {"Frag", " Frag,", 15, "               Cost after Frag Ammo = "},
    {"Flare/Light", " Flr,", 1, "               Cost after Flare/Iluminiation = "},
    {"Non Lethal", " NL,", 1, "               Cost after Non-Leathal = "},
    {"Paint", " Pnt,", 2, "               Cost after Paint = "},
    {"Smoke", " Smoke,", 1, "               Cost after Smoke = "},
    {"Artillery Smoke", " Art. Smoke,", 5, "               Cost after Artillery Smoke = "},
    {"Tracer", " Trcr,", 1, "               Cost after Tracer = "},
    {"Airborn Torp", " AirTorp,", 15, "               Cost after Airborn Torp = "},
    {"Semi Lethal Bio", " S-L Bio,", 15, "               Cost after Semi-Leathal Bio = "},
    {"Lethal Bio", " Bio,", 20, "               Cost after Leathal Bio = "},
    {"Boosted Damage", " Boosted Dmg,", 15, "               Cost after Boosted Damage = "},
    {"Boosted Range", " Boosted Rng,", 15, "               Cost after Boosted Range = "},
    {"Chemical", " Chem,", 15, "               Cost after Chemical = "},
    {"Haywire", " HayWire Ammo,", 15, "               Cost after Hay Wire = "},
    {"Slow Burn Incendiary", " SlowBurn,", 12, "               Cost after Slow Burn = "},
    {"Fast Burn Incendiary", " FastBurn,", 12, "               Cost after Fast Burn = "},
    {"Mine Layer", " MineLayer,", 15, "               Cost after Mine Layer = "},
    // Mass destruction is priced on the whole threat value, not per round.
    {"Mass Destruction", " Mass,", 1, "               Mass Distruct calced later"},
    {"Sensor Homing", " SH,", 30, "               Cost after Sensor homeing = "},
    {"Artilery Guided", " artG,", 30, "               Cost after Artilery Guided = "},
    {"Submarine Rocket", " SubRoc,", 15, "               Cost after Sub Marine Rocket = "},
    {"Under/Over water", " Under/Over Water,", 20, "               Cost after Under/Over Water = "},
    {"Underwater only", " Under Water,", 10, "               Cost after Under Water = "},
}};

const AmmoType kNoType = {"", "", 1, ""};

} // namespace

const AmmoType &AmmoTypeAt(int k)
{
    if (k < 0 || k >= kAmmoTypeCount)
        return kNoType;
    return kTypes[static_cast<size_t>(k)];
}

} // namespace aw
