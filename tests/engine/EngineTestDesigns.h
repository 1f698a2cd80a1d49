#pragma once

#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponRecord.h"

#include <memory>
#include <string>

// Small builders for designs used by the threat-value, constraint and log tests.

TMovementRecord MovementSystem(const std::string &name, double top, double stall = 0.0, int32_t maneuver = 0,
                               bool flight = false);

// A weapon record with the default values and the given name, rating and items.
TWeaponRecord WeaponWith(const std::string &name, int32_t rating, int32_t items = 1);

// A section of `amount` rounds with the given ammunition types selected.
TAmmoSection Rounds(int32_t amount, std::initializer_list<int> selectedTypes = {});

// A perk (or flaw) entry whose worth is X (formula 0).
TPerkRecord PlainEntry(const std::string &name, double x, int32_t amount = 1);

// The three designs whose calculation logs are compared with the golden texts.
std::unique_ptr<TVehicle> StrikerDesign();
std::unique_ptr<TVehicle> HammerDesign();
std::unique_ptr<TVehicle> CarriageGunDesign();

// A text file of the test data folder, split into lines (line ends removed).
std::vector<std::string> ReadTestLines(const std::string &relativePath);
