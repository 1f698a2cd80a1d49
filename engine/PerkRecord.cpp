#include "engine/PerkRecord.h"

#include "base/Stream.h"

#include <cstring>

namespace aw {

namespace {

constexpr int kName = PerkRecord::NameCapacity;
constexpr int kLong = PerkRecord::LongTextCapacity;

// The stored layout, once: hands each field with its offset to a reader or a writer.
// Record is PerkRecord or const PerkRecord.
template <typename Record, typename Visitor> void visitFields(Record &r, Visitor &&v)
{
    v.text(0, kName, r.PFDName);
    v.int32(33, r.RoundMode);
    v.int32(37, r.Arc);
    v.flag(41, r.HasArc);
    v.text(42, kLong, r.EffectText);
    v.text(293, kLong, r.FormulaText);
    v.flag(544, r.ShowFormula);
    v.real(545, r.RatingValue);
    v.real(553, r.X);
    v.real(561, r.Y);
    v.real(569, r.Z);
    v.flag(577, r.ShowRating);
    v.flag(578, r.ShowX);
    v.flag(579, r.ShowY);
    v.flag(580, r.ShowZ);
    v.text(581, kName, r.RatingLabel);
    v.text(614, kName, r.XLabel);
    v.text(647, kName, r.YLabel);
    v.text(680, kName, r.ZLabel);
    v.int32(713, r.WorthFormula);
    v.int32(717, r.Variant);
    v.flag(721, r.IsFlaw);
    v.flag(722, r.Aux);
    v.int32(723, r.EntryId);
    v.int32(727, r.Amount);
    v.flag(731, r.HasAmount);
    v.real(732, r.CostValue);
    v.real(740, r.OTVValueA);
    v.real(748, r.OTVValueB);
    v.int32(756, r.TextEditable);
    v.int32(760, r.OTVValueC);
    v.int32(764, r.Location);
    v.int32(768, r.HasLocation);
    v.int32(772, r.ManeuverMod);
    v.int32(776, r.ArmorMod);
    v.int32(780, r.FireControlMod);
    v.int32(784, r.SensorMod);
    v.int32(788, r.CommMod);
    v.int32(792, r.SpeedMod);
    v.int32(796, r.AddedActionsValue);
    v.flag(800, r.RatingIsPeople);
    v.int32(801, r.AddedCrewValue);
    v.flag(805, r.OutsideOTV);
    v.flag(806, r.OffersOutside);
    v.flag(807, r.InsideOTV);
    v.flag(808, r.OffersInside);
    v.text(809, kName, r.OutsideLabel);
    v.text(842, kName, r.InsideLabel);
    v.int32(875, r.OTVFormula);
}

struct Reader {
    const uint8_t *p;
    void text(int at, int capacity, std::string &value) const { value = bytes::GetShortString(p + at, capacity); }
    void int32(int at, int32_t &value) const { value = bytes::GetInt32(p + at); }
    void real(int at, double &value) const { value = bytes::GetDouble(p + at); }
    void flag(int at, bool &value) const { value = p[at] != 0; }
};

struct Writer {
    uint8_t *p;
    void text(int at, int capacity, const std::string &value) const { bytes::PutShortString(p + at, capacity, value); }
    void int32(int at, int32_t value) const { bytes::PutInt32(p + at, value); }
    void real(int at, double value) const { bytes::PutDouble(p + at, value); }
    void flag(int at, bool value) const { p[at] = value ? 1 : 0; }
};

} // namespace

PerkRecord ReadPerkRecord(const uint8_t *p)
{
    PerkRecord r;
    visitFields(r, Reader{p});
    return r;
}

void WritePerkRecord(const PerkRecord &record, uint8_t *p)
{
    std::memset(p, 0, PerkRecord::Size);
    visitFields(record, Writer{p});
}

} // namespace aw
