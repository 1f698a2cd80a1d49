#include "engine/Vehicle.h"

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "weapons/WeaponList.h"

namespace aw {

BaseVehicle::BaseVehicle()
    : Movement(std::make_unique<MovementList>()), Perks(std::make_unique<PerkList>()),
      Flaws(std::make_unique<PerkList>()), Defects(std::make_unique<PerkList>()),
      Weapons(std::make_unique<WeaponList>())
{
    Perks->SetData(this);
    Flaws->SetData(this);
    Defects->SetData(this);
}

BaseVehicle::~BaseVehicle() = default;

std::string CutToWidth(const std::string &text, int width)
{
    if (width < 0 || text.size() <= static_cast<size_t>(width))
        return text;
    return text.substr(0, static_cast<size_t>(width));
}

} // namespace aw
