#include "engine/PerkRecord.h"

#include "base/Stream.h"

#include <cstring>

namespace aw {

namespace {

constexpr int kName = PerkRecord::NameCapacity;
constexpr int kLong = PerkRecord::LongTextCapacity;

// The stored layout, once: hands each field with its offset to a reader or a writer.
// Record is PerkRecord or const PerkRecord.
template <typename Record, typename Visitor> void VisitFields(Record &r, Visitor &&v)
{
    v.Text(0, kName, r.PFDName);
    v.Int32(33, r.RoundMode);
    v.Int32(37, r.Arc);
    v.Flag(41, r.HasArc);
    v.Text(42, kLong, r.EffectText);
    v.Text(293, kLong, r.FormulaText);
    v.Flag(544, r.ShowFormula);
    v.Real(545, r.RatingValue);
    v.Real(553, r.X);
    v.Real(561, r.Y);
    v.Real(569, r.Z);
    v.Flag(577, r.ShowRating);
    v.Flag(578, r.ShowX);
    v.Flag(579, r.ShowY);
    v.Flag(580, r.ShowZ);
    v.Text(581, kName, r.RatingLabel);
    v.Text(614, kName, r.XLabel);
    v.Text(647, kName, r.YLabel);
    v.Text(680, kName, r.ZLabel);
    v.Int32(713, r.WorthFormula);
    v.Int32(717, r.Variant);
    v.Flag(721, r.IsFlaw);
    v.Flag(722, r.Aux);
    v.Int32(723, r.EntryId);
    v.Int32(727, r.Amount);
    v.Flag(731, r.HasAmount);
    v.Real(732, r.CostValue);
    v.Real(740, r.OTVValueA);
    v.Real(748, r.OTVValueB);
    v.Int32(756, r.TextEditable);
    v.Int32(760, r.OTVValueC);
    v.Int32(764, r.Location);
    v.Int32(768, r.HasLocation);
    v.Int32(772, r.ManeuverMod);
    v.Int32(776, r.ArmorMod);
    v.Int32(780, r.FireControlMod);
    v.Int32(784, r.SensorMod);
    v.Int32(788, r.CommMod);
    v.Int32(792, r.SpeedMod);
    v.Int32(796, r.AddedActionsValue);
    v.Flag(800, r.RatingIsPeople);
    v.Int32(801, r.AddedCrewValue);
    v.Flag(805, r.OutsideOTV);
    v.Flag(806, r.OffersOutside);
    v.Flag(807, r.InsideOTV);
    v.Flag(808, r.OffersInside);
    v.Text(809, kName, r.OutsideLabel);
    v.Text(842, kName, r.InsideLabel);
    v.Int32(875, r.OTVFormula);
}

struct Reader {
    const uint8_t *P;
    void Text(int at, int capacity, std::string &value) const { value = bytes::GetShortString(P + at, capacity); }
    void Int32(int at, int32_t &value) const { value = bytes::GetInt32(P + at); }
    void Real(int at, double &value) const { value = bytes::GetDouble(P + at); }
    void Flag(int at, bool &value) const { value = P[at] != 0; }
};

struct Writer {
    uint8_t *P;
    void Text(int at, int capacity, const std::string &value) const { bytes::PutShortString(P + at, capacity, value); }
    void Int32(int at, int32_t value) const { bytes::PutInt32(P + at, value); }
    void Real(int at, double value) const { bytes::PutDouble(P + at, value); }
    void Flag(int at, bool value) const { P[at] = value ? 1 : 0; }
};

} // namespace

PerkRecord ReadPerkRecord(const uint8_t *p)
{
    PerkRecord r;
    VisitFields(r, Reader{p});
    return r;
}

void WritePerkRecord(const PerkRecord &record, uint8_t *p)
{
    std::memset(p, 0, PerkRecord::Size);
    VisitFields(record, Writer{p});
}

} // namespace aw
