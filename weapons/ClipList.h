#pragma once

#include "weapons/Clip.h"

#include <cstdint>
#include <vector>

class TStream;

// A weapon's clips. Clip 0 is the internal magazine and exists from creation on;
// further clips are spare clips.
class TClipList {
public:
    TClipList();

    int Count() const { return static_cast<int>(m_clips.size()); }
    // Clip i; for an index out of range an empty clip that is not part of the list.
    const TClip &Get(int i) const;
    // Clip i for editing, or nullptr when out of range.
    TClip *Mutable(int i);
    // Replaces clip i, or appends when i is at or past the end.
    void Set(int i, const TClip &clip);
    int Add(const TClip &clip);
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_clips.clear(); }

    // Rounds in clip 0 plus the largest total among the spare clips.
    int64_t TotalAmmo() const;
    bool HasMassDestruction() const;
    // True when any spare clip (index 1 on) is shielded.
    bool HasShieldedClip() const;
    // Perk cost of the shielded spare clips, with its log lines.
    int32_t ShieldedClipCost(double ammoBaseCost) const;

    // Replaces the whole list (clip 0 included) with the stored one. Damaged data throws EStreamError.
    void LoadFromStream(TStream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(TStream &stream) const;

    bool operator==(const TClipList &) const = default;

private:
    std::vector<TClip> m_clips;
};
