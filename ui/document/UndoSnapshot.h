#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBaseVehicle;
class TVehicle;

// A design as the undo history and the comparison keep it: the exact design body the design
// file stores, and the custom production texts, which the body has no room for.
struct TDesignSnapshot {
    std::vector<uint8_t> Body;
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
