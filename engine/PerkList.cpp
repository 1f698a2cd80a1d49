#include "engine/PerkList.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/Stream.h"
#include "engine/PerkEntry.h"

namespace aw {

PerkVehicleData PerkList::VehicleData() const { return m_vehicle ? PerkVehicleDataOf(*m_vehicle) : PerkVehicleData{}; }

PerkRecord PerkList::Get(int i) const { return ListGet(m_items, i); }

void PerkList::Set(int i, const PerkRecord &record) { ListSet(m_items, i, record); }

void PerkList::Delete(int i) { ListDelete(m_items, i); }

void PerkList::Exchange(int i, int j) { ListExchange(m_items, i, j); }

void PerkList::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(Count());
    std::vector<uint8_t> image(PerkRecord::Size);
    for (const PerkRecord &r : m_items) {
        WritePerkRecord(r, image.data());
        stream.WriteBuffer(image.data(), image.size());
    }
}

void PerkList::LoadFromStream(Stream &stream)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    stream.RequireRemaining(static_cast<int64_t>(count) * PerkRecord::Size, "perk count");
    m_items.reserve(static_cast<size_t>(count));
    std::vector<uint8_t> image(PerkRecord::Size);
    for (int32_t i = 0; i < count; ++i) {
        stream.ReadBuffer(image.data(), image.size());
        m_items.push_back(ReadPerkRecord(image.data()));
    }
}

int32_t PerkList::TotalItems() const
{
    int64_t total = 0;
    for (const PerkRecord &r : m_items)
        total += r.Amount;
    return SaturateInt32(total);
}

double PerkList::Rating() const
{
    LogLine("          Getting a Perk/Flaw cost group");
    const PerkVehicleData data = VehicleData(); // the same for every entry; it sums every list
    double total = 0.0;
    for (const PerkRecord &r : m_items)
        total += Worth(r, data);
    return total;
}

double PerkList::AddedInsideOTV() const
{
    double total = 0.0;
    for (const PerkRecord &r : m_items) {
        if (!r.InsideOTV)
            continue;
        const double value = OTVValue(r);
        if (LogEnabled())
            LogLine("          ", DisplayName(r), " has a ", value, " Inside OTV");
        total += value;
    }
    return total;
}

double PerkList::AddedOutSideOTV() const
{
    double total = 0.0;
    for (const PerkRecord &r : m_items)
        if (r.OutsideOTV)
            total += OTVValue(r);
    return total;
}

double PerkList::AddedCost() const
{
    double total = 0.0;
    for (const PerkRecord &r : m_items)
        total += Cost(r);
    return total;
}

int32_t PerkList::AddedPpl() const
{
    int64_t total = 0;
    for (const PerkRecord &r : m_items)
        total += People(r);
    return SaturateInt32(total);
}

int32_t PerkList::AddedActions() const
{
    int64_t total = 0;
    for (const PerkRecord &r : m_items)
        total += ActionsAdded(r);
    return SaturateInt32(total);
}

int32_t PerkList::Addedcrew() const
{
    int64_t total = 0;
    for (const PerkRecord &r : m_items)
        total += CrewAdded(r);
    return SaturateInt32(total);
}

int PerkList::OTVPerkCountLine() const
{
    int count = 0;
    for (const PerkRecord &r : m_items)
        if (r.InsideOTV || r.OutsideOTV)
            ++count;
    return count;
}

std::string PerkList::EffectText(int i) const { return EffectTextFor(Get(i), VehicleData()); }

std::vector<PrintPFDRow> PerkList::MakePrintRows(NumberSeparators separators) const
{
    const PerkVehicleData data = VehicleData();
    std::vector<PrintPFDRow> rows;
    rows.reserve(m_items.size());
    for (const PerkRecord &r : m_items)
        rows.push_back(
            {DisplayName(r), RatingText(r, separators), EffectTextFor(r, data, separators), "", r.Aux ? 1 : 0});
    return rows;
}

} // namespace aw
