#include "engine/MovementList.h"

#include "engine/MovementSpeed.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/NumberFormat.h"
#include "base/RoundUp.h"
#include "base/Stream.h"

namespace {

// Round half to even, kept inside the 32-bit range (stored speeds may be anything; NaN gives 0).
int32_t roundToEven(double value) { return SaturateInt32(TruncToInt64(RoundHalfEven(value))); }

} // namespace

const TMovementRecord *TMovementList::at(int i) const
{
    return ListFind(m_items, i);
}

TMovementRecord TMovementList::Get(int i) const
{
    return ListGet(m_items, i);
}

void TMovementList::Set(int i, const TMovementRecord &record)
{
    ListSet(m_items, i, record);
}

void TMovementList::Delete(int i)
{
    ListDelete(m_items, i);
}

void TMovementList::Exchange(int i, int j)
{
    ListExchange(m_items, i, j);
}

void TMovementList::SaveToStream(TStream &stream) const
{
    stream.WriteInt32(Count());
    uint8_t image[TMovementRecord::Size];
    for (const TMovementRecord &r : m_items) {
        WriteMovementRecord(r, image);
        stream.WriteBuffer(image, sizeof image);
    }
}

void TMovementList::LoadFromStream(TStream &stream)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    stream.RequireRemaining(static_cast<int64_t>(count) * TMovementRecord::Size, "movement count");
    m_items.reserve(static_cast<size_t>(count));
    uint8_t image[TMovementRecord::Size];
    for (int32_t i = 0; i < count; ++i) {
        stream.ReadBuffer(image, sizeof image);
        m_items.push_back(ReadMovementRecord(image));
    }
}

std::string TMovementList::ModeName(int i) const
{
    return Get(i).ModeName;
}
bool TMovementList::Flight(int i) const
{
    return Get(i).Flight;
}
bool TMovementList::CanFly(int i) const
{
    return Get(i).CanFly;
}
bool TMovementList::HasStall(int i) const
{
    return Get(i).HasStall;
}
bool TMovementList::CustomMode(int i) const
{
    return Get(i).CustomMode;
}
int32_t TMovementList::Maneuver(int i) const
{
    return at(i) ? at(i)->Maneuver : 0;
}
double TMovementList::TopSpeed(int i) const
{
    return at(i) ? at(i)->TopSpeed : 0.0;
}
double TMovementList::StallSpeed(int i) const
{
    return at(i) ? at(i)->StallSpeed : 0.0;
}

int32_t TMovementList::MP(int i) const
{
    return roundToEven(TopSpeed(i) / KphPerSpeedPoint(Flight(i)));
}

int32_t TMovementList::StallMP(int i) const
{
    return roundToEven(StallSpeed(i) / KphPerSpeedPoint(Flight(i)));
}

double TMovementList::FastestSpeed() const
{
    double best = 0.0;
    for (const TMovementRecord &r : m_items)
        if (r.TopSpeed > best)
            best = r.TopSpeed;
    return best;
}

double TMovementList::FastestStall() const
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

double TMovementList::SumOfOthers() const
{
    double best = 0.0;
    double sum = 0.0;
    for (const TMovementRecord &r : m_items) {
        if (r.TopSpeed <= best) {
            sum += r.TopSpeed;
        } else {
            sum += best;
            best = r.TopSpeed;
        }
    }
    return sum;
}

bool TMovementList::AnyFlight() const
{
    for (const TMovementRecord &r : m_items)
        if (r.Flight)
            return true;
    return false;
}

double TMovementList::ManeuverFlawValue() const
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

std::string TMovementList::SummaryText(int i) const
{
    std::string text = "(" + fmt::Integer(MP(i));
    if (StallMP(i) > 0)
        text += "/" + fmt::Integer(StallMP(i));
    if (Flight(i))
        text += " -flt";
    if (Maneuver(i) < 0)
        text += ")( " + fmt::Integer(Maneuver(i)) + "man";
    text += ") " + ModeName(i) + " -" + fmt::General(TopSpeed(i)) + "kph";
    return text;
}
