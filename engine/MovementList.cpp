#include "engine/MovementList.h"

#include "engine/MovementSpeed.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/NumberFormat.h"
#include "base/RoundUp.h"
#include "base/Stream.h"

namespace aw {

namespace {

// Round half to even, kept inside the 32-bit range (stored speeds may be anything; NaN gives 0).
int32_t RoundToEven(double value) { return SaturateInt32(TruncToInt64(RoundHalfEven(value))); }

} // namespace

const MovementRecord *MovementList::ItemAt(int i) const { return ListFind(m_items, i); }

MovementRecord MovementList::Get(int i) const { return ListGet(m_items, i); }

void MovementList::Set(int i, const MovementRecord &record) { ListSet(m_items, i, record); }

void MovementList::Delete(int i) { ListDelete(m_items, i); }

void MovementList::Exchange(int i, int j) { ListExchange(m_items, i, j); }

void MovementList::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(Count());
    uint8_t image[MovementRecord::Size];
    for (const MovementRecord &r : m_items) {
        WriteMovementRecord(r, image);
        stream.WriteBuffer(image, sizeof image);
    }
}

void MovementList::LoadFromStream(Stream &stream)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    stream.RequireRemaining(static_cast<int64_t>(count) * MovementRecord::Size, "movement count");
    m_items.reserve(static_cast<size_t>(count));
    uint8_t image[MovementRecord::Size];
    for (int32_t i = 0; i < count; ++i) {
        stream.ReadBuffer(image, sizeof image);
        m_items.push_back(ReadMovementRecord(image));
    }
}

std::string MovementList::ModeName(int i) const { return Get(i).ModeName; }
bool MovementList::Flight(int i) const { return Get(i).Flight; }
bool MovementList::CanFly(int i) const { return Get(i).CanFly; }
bool MovementList::HasStall(int i) const { return Get(i).HasStall; }
bool MovementList::CustomMode(int i) const { return Get(i).CustomMode; }
int32_t MovementList::Maneuver(int i) const { return ItemAt(i) ? ItemAt(i)->Maneuver : 0; }
double MovementList::TopSpeed(int i) const { return ItemAt(i) ? ItemAt(i)->TopSpeed : 0.0; }
double MovementList::StallSpeed(int i) const { return ItemAt(i) ? ItemAt(i)->StallSpeed : 0.0; }

int32_t MovementList::MP(int i) const { return RoundToEven(TopSpeed(i) / KphPerSpeedPoint(Flight(i))); }

int32_t MovementList::StallMP(int i) const { return RoundToEven(StallSpeed(i) / KphPerSpeedPoint(Flight(i))); }

double MovementList::FastestSpeed() const
{
    double best = 0.0;
    for (const MovementRecord &r : m_items)
        if (r.TopSpeed > best)
            best = r.TopSpeed;
    return best;
}

double MovementList::FastestStall() const
{
    int fastest = 0;
    double best = 0.0;
    for (int i = 0; i < Count(); ++i)
        if (m_items[static_cast<size_t>(i)].TopSpeed > best) {
            best = m_items[static_cast<size_t>(i)].TopSpeed;
            fastest = i;
        }
    return StallSpeed(fastest);
}

double MovementList::SumOfOthers() const
{
    double best = 0.0;
    double sum = 0.0;
    for (const MovementRecord &r : m_items) {
        if (r.TopSpeed <= best) {
            sum += r.TopSpeed;
        } else {
            sum += best;
            best = r.TopSpeed;
        }
    }
    return sum;
}

bool MovementList::AnyFlight() const
{
    for (const MovementRecord &r : m_items)
        if (r.Flight)
            return true;
    return false;
}

double MovementList::ManeuverFlawValue() const
{
    LogLine("        Manuver Flaws...");
    double v = 0.0;
    for (int i = 0; i < Count(); ++i) {
        const int32_t maneuver = m_items[static_cast<size_t>(i)].Maneuver;
        if (maneuver >= 0)
            continue;
        LogLine("          movement ", i + 1, " is flawed by ", maneuver);
        // 64-bit product: a stored modifier may be any 32-bit value.
        v += static_cast<double>(2 * static_cast<int64_t>(maneuver));
        LogLine("         ", v, " Flaw value so far.");
    }
    return v;
}

std::string MovementList::SummaryText(int i) const
{
    std::string text = "(" + number::Integer(MP(i));
    if (StallMP(i) > 0)
        text += "/" + number::Integer(StallMP(i));
    if (Flight(i))
        text += " -flt";
    if (Maneuver(i) < 0)
        text += ")( " + number::Integer(Maneuver(i)) + "man";
    text += ") " + ModeName(i) + " -" + number::General(TopSpeed(i)) + "kph";
    return text;
}

} // namespace aw
