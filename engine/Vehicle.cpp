#include "engine/Vehicle.h"

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "weapons/WeaponList.h"

TBaseVehicle::TBaseVehicle()
    : Movement(std::make_unique<TMovementList>()),
      Perks(std::make_unique<TPerkList>()),
      Flaws(std::make_unique<TPerkList>()),
      Defects(std::make_unique<TPerkList>()),
      Weapons(std::make_unique<TWeaponList>())
{
    Perks->SetData(this);
    Flaws->SetData(this);
    Defects->SetData(this);
}

TBaseVehicle::~TBaseVehicle() = default;

std::string CutToWidth(const std::string &text, int width)
{
    if (width < 0 || text.size() <= static_cast<size_t>(width))
        return text;
    return text.substr(0, static_cast<size_t>(width));
}
