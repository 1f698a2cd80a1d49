#pragma once

#include "engine/base/SharedBytes.h"

#include <memory>
#include <string>

class TBaseVehicle;
class TVehicle;

// A design as the undo history and the comparison keep it: the design body the design file
// stores, with the picture held apart, and the custom production texts, which the body has
// no room for. Body and picture are shared bytes: copies of a snapshot, and the designs made
// from it, share them with the design it was taken from, so a step costs no picture.
struct TDesignSnapshot {
    TSharedBytes Body; // without the picture
    TSharedBytes Picture;
    std::string CustomName;
    std::string CustomDefinition;

    bool operator==(const TDesignSnapshot &) const = default;
};

TDesignSnapshot TakeSnapshot(const TBaseVehicle &vehicle);

// A new design holding the snapshot (file name empty, not modified).
std::unique_ptr<TVehicle> SnapshotDesign(const TDesignSnapshot &snapshot);

// A copy of a design made through its snapshot, so the copy can be recomputed without
// touching the original.
std::unique_ptr<TVehicle> CopyDesign(const TBaseVehicle &vehicle);

// Refills the design in place from the snapshot: its lists stay the same objects (the perk
// lists stay bound to it) and its file name, Modified flag and file version are kept.
void RestoreSnapshot(TVehicle &target, const TDesignSnapshot &snapshot);
