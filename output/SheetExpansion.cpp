#include "output/SheetExpansion.h"

#include "base/Stream.h"
#include "output/PrintJob.h"
#include "output/SheetTooLarge.h"
#include "output/TokenReplace.h"
#include "output/TokenSet.h"

namespace aw {

namespace {

TokenSet DesignTokens(const PrintJob &job, const SheetFormats &f)
{
    TokenSet set;
    set.AddExactOnly("GENERAL", job.General);
    set.AddExactOnly("HISTORY", job.History);
    set.AddExactOnly("EXTRA", job.Extra);
    set.Add("NAME", job.Name);
    set.Add("AFFIL", job.Affiliation);
    set.Add("AVAIL", f.Integer(job.Availability));
    set.Add("FIELD", job.NumberOnField);
    set.Add("ARMOR", f.Integer(job.Armor));
    set.Add("ARMORx2", f.Integer(int64_t{job.Armor} * 2));
    set.Add("ARMORx3", f.Integer(int64_t{job.Armor} * 3));
    set.Add("SIZE", f.Integer(job.Size));
    set.Add("CREW", f.Integer(job.Crew));
    set.Add("BONUSACTIONS", f.Integer(job.BonusActions));
    set.Add("MAN", f.Signed(job.Maneuver));
    set.Add("SENSRATING", f.Signed(job.SensorRating));
    set.Add("SENSRANGE", f.General(job.SensorRange), f.Grouped2(job.SensorRange));
    set.Add("COMMRATING", f.Signed(job.CommRating));
    set.Add("COMMRANGE", f.General(job.CommRange), f.Grouped2(job.CommRange));
    set.Add("FICON", f.Signed(job.FireControl));
    set.Add("DEFAULTSIZE", f.Integer(job.DefaultSize));
    set.Add("DEPLOYMENT", f.Integer(job.Deployment));
    set.Add("TV", f.Grouped0(job.TV), f.Grouped2(job.TV));
    set.Add("OTV", f.Grouped0(job.OTV), f.Grouped2(job.OTV));
    set.Add("DTV", f.Grouped0(job.DTV), f.Grouped2(job.DTV));
    set.Add("MTV", f.Grouped0(job.MTV), f.Grouped2(job.MTV));
    set.Add("INDIVDICE", f.Integer(job.IndivDice));
    set.Add("TYPE", job.VehicleType);
    set.Add("USE", job.VehicleUse);
    set.Add("MANUFACT", job.Manufacturer);
    set.Add("HEIGHT", job.Height);
    set.Add("LENGTH", job.Length);
    set.Add("WIDTH", job.Width);
    set.Add("WEIGTH", job.Weight);
    set.Add("ENGINETYPE", job.EngineType);
    set.Add("ENGINEOUTPUT", job.EngineOutput);
    set.Add("ARMORMATERIAL", job.ArmorMaterial);
    set.Add("ARMORTHICK", job.ArmorThickness);
    set.Add("PRODUCTION", job.Production);
    set.Add("COST", job.Cost);
    return set;
}

// The tokens of one movement system under a name prefix ("MOV1", "MOV2", "MOV"); all empty
// when the design has no such system.
TokenSet MovementTokens(const std::string &prefix, const PrintMovementRow *row, const SheetFormats &f)
{
    const auto value = [row](const auto &text) { return row ? text : std::string(); };
    const PrintMovementRow r = row ? *row : PrintMovementRow{};
    TokenSet set;
    set.Add(prefix + "NAME", r.Name);
    set.Add(prefix + "TOP", value(f.Integer(r.TopMP)));
    set.Add(prefix + "COMBAT", value(f.Integer(r.CombatMP)));
    set.Add(prefix + "STALL", value(f.Integer(r.StallMP)));
    set.Add(prefix + "TOPKPH", value(f.General(r.TopKPH)));
    set.Add(prefix + "COMBATKPH", value(f.General(r.CombatKPH)));
    set.Add(prefix + "STALLKPH", value(f.General(r.StallKPH)));
    set.Add(prefix + "MAN", value(f.Integer(r.Maneuver)));
    return set;
}

TokenSet WeaponTokens(const PrintWeaponRow &row, const SheetFormats &f)
{
    TokenSet set;
    set.Add("WEPNAME", row.Name);
    set.Add("WEPCODE", row.Code);
    set.Add("WEPARC", row.Arc);
    set.Add("WEPSR", f.Integer(row.ShortRange));
    set.Add("WEPMR", f.Integer(row.MediumRange));
    set.Add("WEPLR", f.Integer(row.LongRange));
    set.Add("WEPEXR", f.Integer(row.ExtremeRange));
    set.Add("WEPACC", f.Signed(row.Accuracy));
    set.Add("WEPDMG", f.Damage(row.Damage));
    set.Add("WEPQTY", f.Integer(row.Quantity));
    set.AddExactOnly("WEPSQTY", f.QuantityPrefix(row.Quantity));
    set.Add("WEPSTR", row.Special);
    set.Add("WEPAMMO", f.Integer(row.Ammo));
    set.Add("WEPRATING", f.Grouped2(row.Rating));
    set.Add("WEPROF", row.ROF);
    return set;
}

TokenSet PfdTokens(const PrintPFDRow &row, const SheetFormats &f)
{
    TokenSet set;
    set.Add("PFDNAME", row.Name);
    set.Add("PFDRATING", row.Rating);
    set.Add("PFDEFFECT", row.Effect);
    set.Add("PFDGAMEDATA", row.GameData);
    set.Add("PFDAUX", f.AuxMark(row.Aux));
    return set;
}

// Expands every occurrence of a repeated section with one row per list entry, each made by
// fill(copy of the body, entry).
template <typename Row, typename Fill>
void ExpandRows(const std::string &name, const std::vector<Row> &entries, Fill fill, std::string &text)
{
    ExpandSections(
        "|" + name + "|", "|/" + name + "|",
        [&](const std::string &body) {
            std::vector<std::string> rows;
            rows.reserve(entries.size());
            size_t total = 0; // the rows never hold more than a sheet may
            for (const Row &entry : entries) {
                RequireSheetSize(total + body.size());
                std::string row = body;
                fill(row, entry);
                total += row.size();
                RequireSheetSize(total);
                rows.push_back(std::move(row));
            }
            return rows;
        },
        text);
}

bool HasStall(const PrintJob &job, int index)
{
    return index < job.Movement.Count() && job.Movement.Get(index).StallMP > 0;
}

} // namespace

std::string ExpandSheetText(std::string text, const PrintJob &job, const SheetFormats &formats)
{
    const std::vector<PrintMovementRow> &movement = job.Movement.Rows();
    ApplyCondition("|MOV>2|", "|/MOV>2|", movement.size() >= 3, text);

    DesignTokens(job, formats).Apply(text);

    ApplyCondition("|HASSTALL1|", "|/HASSTALL1|", HasStall(job, 0), text);
    ApplyCondition("|HASSTALL2|", "|/HASSTALL2|", HasStall(job, 1), text);
    MovementTokens("MOV1", movement.size() > 0 ? &movement[0] : nullptr, formats).Apply(text);
    MovementTokens("MOV2", movement.size() > 1 ? &movement[1] : nullptr, formats).Apply(text);

    const std::vector<PrintMovementRow> further(movement.begin() + std::min<size_t>(2, movement.size()),
                                                movement.end());
    ExpandRows(
        "MOVEMENT", further,
        [&](std::string &row, const PrintMovementRow &entry) {
            ApplyCondition("|HASSTALL|", "|/HASSTALL|", entry.StallMP >= 1, row);
            MovementTokens("MOV", &entry, formats).Apply(row);
        },
        text);

    ExpandRows(
        "WEAPONS", job.Weapons.Rows(),
        [&](std::string &row, const PrintWeaponRow &entry) { WeaponTokens(entry, formats).Apply(row); }, text);

    const auto fillPfd = [&](std::string &row, const PrintPFDRow &entry) { PfdTokens(entry, formats).Apply(row); };
    ExpandRows("PERKS", job.Perks.Rows(), fillPfd, text);
    ExpandRows("FLAWS", job.Flaws.Rows(), fillPfd, text);
    ExpandRows("DEFECTS", job.Defects.Rows(), fillPfd, text);
    return text;
}

void ExpandSheet(Stream &stream, const PrintJob &job, const SheetFormats &formats)
{
    const std::vector<uint8_t> &bytes = stream.Bytes();
    const std::string expanded = ExpandSheetText(std::string(bytes.begin(), bytes.end()), job, formats);
    stream.Clear();
    stream.WriteBuffer(expanded.data(), expanded.size());
    stream.Seek(0);
}

} // namespace aw
