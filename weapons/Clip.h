#pragma once

#include "weapons/AmmoSection.h"

#include <cstdint>
#include <vector>

namespace aw {

class Stream;

// Design files of this version store clips without their ClipCount.
constexpr int kClipCountlessFileVersion = 6;
// The design file version written now.
constexpr int kCurrentDesignFileVersion = 7;

// One clip of a weapon: its ammunition sections and how many identical clips are carried.
class Clip {
public:
    bool Shielded = false; // shielded ammunition container; not stored, lives until the design closes
    int32_t ClipCount = 1;

    void Clear() { m_sections.clear(); }

    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    // Section i, or a cleared section when i is out of range.
    AmmoSection GetSection(int i) const;
    // Replaces section i, or appends when i is at or past the end.
    void SetSection(int i, const AmmoSection &section);
    int AddSection(const AmmoSection &section);
    void DeleteSection(int i);
    void ExchangeSections(int i, int j);

    // Threat-value cost of section i (0 when out of range), with its log lines.
    double SectionCost(int i, double ammoBaseCost) const;
    // Threat-value worth of the whole clip, with its log lines.
    double Worth(double ammoBaseCost) const;
    // Rounds over all sections.
    int64_t TotalAmmo() const;
    bool HasMassDestruction() const;

    // Reads ClipCount (except in version 6 files, where it stays 1), the section count
    // and the sections. Damaged data throws StreamError.
    void LoadFromStream(Stream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(Stream &stream) const;

    bool operator==(const Clip &) const = default;

private:
    std::vector<AmmoSection> m_sections;
};

} // namespace aw
