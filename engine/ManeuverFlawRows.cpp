#include "engine/ManeuverFlawRows.h"

#include "engine/MovementList.h"

namespace aw {

namespace {
constexpr size_t kEffectWidth = 53;
}

std::vector<ManeuverFlawRow> ManeuverFlawRows(const MovementList &movement)
{
    std::vector<ManeuverFlawRow> rows;
    for (int i = 0; i < movement.Count(); ++i) {
        const int32_t maneuver = movement.Maneuver(i);
        if (maneuver >= 0)
            continue;
        std::string effect = movement.ModeName(i) + " reduced in maneuver.";
        if (effect.size() > kEffectWidth)
            effect.resize(kEffectWidth);
        rows.push_back({maneuver, std::move(effect)});
    }
    return rows;
}

} // namespace aw
