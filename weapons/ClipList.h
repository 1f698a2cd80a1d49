#pragma once

#include "weapons/Clip.h"

#include <cstdint>
#include <vector>

namespace aw {

class Stream;

// A weapon's clips. Clip 0 is the internal magazine and exists from creation on;
// further clips are spare clips.
class ClipList {
public:
    ClipList();

    int Count() const { return static_cast<int>(m_clips.size()); }
    // Clip i; for an index out of range an empty clip that is not part of the list.
    const Clip &Get(int i) const;
    // Clip i for editing, or nullptr when out of range.
    Clip *Mutable(int i);
    // Replaces clip i, or appends when i is at or past the end.
    void Set(int i, const Clip &clip);
    int Add(const Clip &clip);
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_clips.clear(); }
    // Gives an empty clip 0 back to a list that has none (a file may hold such a weapon).
    void RestoreInternalMagazine()
    {
        if (m_clips.empty())
            m_clips.emplace_back();
    }

    // Rounds in clip 0 plus the largest total among the spare clips.
    int64_t TotalAmmo() const;
    bool HasMassDestruction() const;
    // True when any spare clip (index 1 on) is shielded.
    bool HasShieldedClip() const;
    // Perk cost of the shielded spare clips, with its log lines.
    int32_t ShieldedClipCost(double ammoBaseCost) const;

    // Replaces the whole list (clip 0 included) with the stored one. Damaged data throws StreamError.
    void LoadFromStream(Stream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(Stream &stream) const;

    bool operator==(const ClipList &) const = default;

private:
    std::vector<Clip> m_clips;
};

} // namespace aw
