#pragma once

#include "base/NumberFormat.h"
#include "engine/PerkRecord.h"
#include "engine/PerkVehicleData.h"
#include "weapons/PrintRows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class BaseVehicle;
class Stream;

// The perks, the flaws or the defects of a design. Bound to its design by SetData, whose
// crew, armour, final size and three perk lists the formulas read.
// Lookups at or beyond the end yield a cleared record; setting there appends.
class PerkList {
public:
    void SetData(const BaseVehicle *vehicle) { m_vehicle = vehicle; }
    // The figures of the bound design (all 0 when unbound).
    PerkVehicleData VehicleData() const;

    int Count() const { return static_cast<int>(m_items.size()); }
    PerkRecord Get(int i) const;
    void Set(int i, const PerkRecord &record);
    void Add(const PerkRecord &record) { m_items.push_back(record); }
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_items.clear(); }

    // Count as signed 32-bit, then each record's 879-byte image.
    void SaveToStream(Stream &stream) const;
    // Clears, reads the count and that many records. A count beyond the bytes that
    // remain throws StreamError before anything is read.
    void LoadFromStream(Stream &stream);

    // Totals over all entries in order.
    int32_t TotalItems() const;
    // The sum of the entries' worths; writes its heading and each entry's lines to the log.
    double Rating() const;
    double AddedInsideOTV() const;
    double AddedOutSideOTV() const;
    double AddedCost() const;
    int32_t AddedPpl() const;
    int32_t AddedActions() const;
    int32_t Addedcrew() const;
    // Entries that add to the offensive threat value inside or outside the multiplier.
    int OTVPerkCountLine() const;

    // The effect text of entry i with this list's design figures.
    std::string EffectText(int i) const;
    // The entries as rows of a sheet's perk, flaw or defect block, numbers with the sheet's separators.
    std::vector<PrintPFDRow> MakePrintRows(NumberSeparators separators = {}) const;

    bool operator==(const PerkList &other) const { return m_items == other.m_items; }

private:
    const BaseVehicle *m_vehicle = nullptr;
    std::vector<PerkRecord> m_items;
};

} // namespace aw
