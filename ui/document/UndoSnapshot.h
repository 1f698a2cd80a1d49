#pragma once

#include "base/SharedBytes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace aw {

class BaseVehicle;
class Vehicle;

// A design as the undo history and the comparison keep it: the design body the design file
// stores, with its large fields held apart, and what the body has no room for: the custom
// production texts and which clips are shielded. The parts are shared bytes: copies of a
// snapshot, and the designs made from it, share the picture with the design it was taken
// from, so a step costs no picture.
struct DesignSnapshot {
    SharedBytes Body; // without the picture and the long texts
    SharedBytes Picture;
    std::array<SharedBytes, 3> LongTexts; // in the order of LongTextFields()
    std::string CustomName;
    std::string CustomDefinition;
    std::vector<bool> ShieldedClips; // weapon by weapon, clip by clip

    bool operator==(const DesignSnapshot &) const = default;
};

DesignSnapshot TakeSnapshot(const BaseVehicle &vehicle);
// Takes over from `previous` the parts the design still holds equal, so a history keeps one
// copy of a long text however many steps leave it unchanged; such a text is compared in
// place, not copied first.
DesignSnapshot TakeSnapshot(const BaseVehicle &vehicle, const DesignSnapshot &previous);

// A new design holding the snapshot (file name empty, not modified).
std::unique_ptr<Vehicle> SnapshotDesign(const DesignSnapshot &snapshot);

// A copy of a design made through its snapshot, so the copy can be recomputed without
// touching the original.
std::unique_ptr<Vehicle> CopyDesign(const BaseVehicle &vehicle);

// Refills the design in place from the snapshot: its lists stay the same objects (the perk
// lists stay bound to it) and its file name, Modified flag and file version are kept.
void RestoreSnapshot(Vehicle &target, const DesignSnapshot &snapshot);

} // namespace aw
