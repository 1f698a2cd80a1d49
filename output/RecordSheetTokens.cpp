#include "output/RecordSheetTokens.h"

#include "output/PrintJob.h"
#include "output/TokenReplace.h"

#include <functional>

namespace aw {

namespace {

// One value per row of a list.
template <typename Row>
std::vector<std::string> Column(const std::vector<Row> &rows, const std::function<std::string(const Row &)> &value)
{
    std::vector<std::string> column;
    column.reserve(rows.size());
    for (const Row &row : rows)
        column.push_back(value(row));
    return column;
}

} // namespace

void SheetTokens::AddExact(const std::string &token, std::string value)
{
    m_exact.emplace_back(token, std::move(value));
}

void SheetTokens::AddIndexed(const std::string &prefix, std::vector<std::string> rows)
{
    m_indexed.emplace_back(prefix, std::move(rows));
}

SheetTokens::SheetTokens(const PrintJob &job, const SheetFormats &formats)
{
    const auto Integer = [&formats](int64_t v) { return formats.Integer(v); };
    const auto Signed = [&formats](int64_t v) { return formats.Signed(v); };
    const auto general = [&formats](double v) { return formats.General(v); };
    // The threat values as whole numbers without thousands separators.
    const auto whole = [&formats](double v) { return number::Fixed(v, 0, formats.Separators()); };

    AddExact("|NAME|", job.Name);
    AddExact("|AFFIL|", job.Affiliation);
    AddExact("|AVAIL|", Integer(job.Availability));
    AddExact("|FIELD|", job.NumberOnField);
    AddExact("|ARMOR|", Integer(job.Armor));
    AddExact("|ARMOR*2|", Integer(int64_t{job.Armor} * 2));
    AddExact("|ARMOR*3|", Integer(int64_t{job.Armor} * 3));
    AddExact("|SIZE|", Integer(job.Size));
    AddExact("|CREW|", Integer(job.Crew));
    AddExact("|BONUSACTIONS|", Integer(job.BonusActions));
    AddExact("|MAN|", Signed(job.Maneuver));
    AddExact("|SENSRATING|", Signed(job.SensorRating));
    AddExact("|SENSRANGE|", general(job.SensorRange));
    AddExact("|COMMRATING|", Signed(job.CommRating));
    AddExact("|COMMRANGE|", general(job.CommRange));
    AddExact("|FICON|", Signed(job.FireControl));
    AddExact("|DEFAULTSIZE|", Integer(job.DefaultSize));
    AddExact("|DEPLOYMENT|", Integer(job.Deployment));
    AddExact("|TV|", whole(job.TV));
    AddExact("|OTV|", whole(job.OTV));
    AddExact("|DTV|", whole(job.DTV));
    AddExact("|MTV|", whole(job.MTV));
    AddExact("|INDIVDICE|", Integer(job.IndivDice));
    AddExact("|TYPE|", job.VehicleType);
    AddExact("|USE|", job.VehicleUse);
    AddExact("|MANUFACT|", job.Manufacturer);
    AddExact("|HEIGHT|", job.Height);
    AddExact("|LENGTH|", job.Length);
    AddExact("|WIDTH|", job.Width);
    AddExact("|WEIGTH|", job.Weight);
    AddExact("|ENGINETYPE|", job.EngineType);
    AddExact("|ENGINEOUTPUT|", job.EngineOutput);
    AddExact("|ARMORMATERIAL|", job.ArmorMaterial);
    AddExact("|ARMORTHICK|", job.ArmorThickness);
    AddExact("|PRODUCTION|", job.Production);
    AddExact("|COST|", job.Cost);

    using Mov = PrintMovementRow;
    const auto &movement = job.Movement.Rows();
    AddIndexed("|MOVNAME", Column<Mov>(movement, [](const Mov &m) { return m.Name; }));
    AddIndexed("|MOVTOPMP", Column<Mov>(movement, [&](const Mov &m) { return Integer(m.TopMP); }));
    AddIndexed("|MOVCOMBATMP", Column<Mov>(movement, [&](const Mov &m) { return Integer(m.CombatMP); }));
    AddIndexed("|MOVSTALLMP", Column<Mov>(movement, [&](const Mov &m) { return Integer(m.StallMP); }));
    AddIndexed("|MOVTOPKPH", Column<Mov>(movement, [&](const Mov &m) { return general(m.TopKPH); }));
    AddIndexed("|MOVCOMBATKPH", Column<Mov>(movement, [&](const Mov &m) { return general(m.CombatKPH); }));
    AddIndexed("|MOVSTALLKPH", Column<Mov>(movement, [&](const Mov &m) { return general(m.StallKPH); }));
    AddIndexed("|MOVMAN", Column<Mov>(movement, [&](const Mov &m) { return Integer(m.Maneuver); }));

    using Wep = PrintWeaponRow;
    const auto &weapons = job.Weapons.Rows();
    AddIndexed("|WEPNAME", Column<Wep>(weapons, [](const Wep &w) { return w.Name; }));
    AddIndexed("|WEPCODE", Column<Wep>(weapons, [](const Wep &w) { return w.Code; }));
    AddIndexed("|WEPARC", Column<Wep>(weapons, [](const Wep &w) { return w.Arc; }));
    AddIndexed("|WEPSTR", Column<Wep>(weapons, [](const Wep &w) { return w.Special; }));
    AddIndexed("|WEPROF", Column<Wep>(weapons, [](const Wep &w) { return w.ROF; }));
    AddIndexed("|WEPSROF", Column<Wep>(weapons, [](const Wep &w) { return w.ROF.empty() ? w.ROF : w.ROF + "ROF"; }));
    AddIndexed("|WEPSR", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.ShortRange); }));
    AddIndexed("|WEPMR", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.MediumRange); }));
    AddIndexed("|WEPLR", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.LongRange); }));
    AddIndexed("|WEPEXR", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.ExtremeRange); }));
    AddIndexed("|WEPACC", Column<Wep>(weapons, [&](const Wep &w) { return Signed(w.Accuracy); }));
    AddIndexed("|WEPDMG", Column<Wep>(weapons, [&](const Wep &w) { return formats.Damage(w.Damage); }));
    AddIndexed("|WEPQTY", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.Quantity); }));
    AddIndexed("|WEPSQTY", Column<Wep>(weapons, [&](const Wep &w) { return formats.QuantityPrefix(w.Quantity); }));
    AddIndexed("|WEPAMMO", Column<Wep>(weapons, [&](const Wep &w) { return Integer(w.Ammo); }));
    AddIndexed("|WEPRATING", Column<Wep>(weapons, [&](const Wep &w) { return general(w.Rating); }));

    using Pfd = PrintPFDRow;
    const std::pair<const char *, const PrintPFDList *> blocks[] = {
        {"|PERK", &job.Perks}, {"|FLAW", &job.Flaws}, {"|DEFECT", &job.Defects}};
    for (const auto &[prefix, list] : blocks) {
        const std::string p = prefix;
        const auto &rows = list->Rows();
        AddIndexed(p + "NAME", Column<Pfd>(rows, [](const Pfd &r) { return r.Name; }));
        AddIndexed(p + "RATING", Column<Pfd>(rows, [](const Pfd &r) { return r.Rating; }));
        AddIndexed(p + "EFFECT", Column<Pfd>(rows, [](const Pfd &r) { return r.Effect; }));
        AddIndexed(p + "GAMEDATA", Column<Pfd>(rows, [](const Pfd &r) { return r.GameData; }));
        AddIndexed(p + "AUX", Column<Pfd>(rows, [&](const Pfd &r) { return formats.AuxMark(r.Aux); }));
    }
}

std::string SheetTokens::Expand(const std::string &text) const
{
    std::string result = text;
    for (const auto &[token, value] : m_exact)
        ReplaceToken(token, value, result);
    for (const auto &[prefix, rows] : m_indexed)
        ReplaceIndexedToken(prefix, rows, result);
    return result;
}

} // namespace aw
