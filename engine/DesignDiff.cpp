#include "engine/DesignDiff.h"

#include "base/ControlCharacters.h"
#include "engine/DesignFields.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace aw {

namespace {

constexpr const char *kNone = "(none)";

// A text in double quotes with the characters that would break a one-line listing or steer the
// terminal escaped.
std::string Quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (IsCp1252ControlCharacter(c)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The shortest text that reads back as the same number, so distinct values never look alike:
// digits and a point as the other outputs write numbers ("100000", not "1e+05"), and an
// exponent only where that would take more than 32 characters. Zero is "0" whatever its sign,
// as every other output shows it.
template <typename Real> std::string RealText(Real value)
{
    if (value == 0)
        return "0";
    char text[64];
    auto result = std::to_chars(text, text + 32, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A picture as shown: a checksum tells two pictures of one size apart at a glance.
std::string PictureText(const SharedBytes &picture)
{
    if (picture.empty())
        return kNone;
    uint32_t hash = 2166136261u;
    for (uint8_t b : picture)
        hash = (hash ^ b) * 16777619u;
    char text[64];
    std::snprintf(text, sizeof text, "bitmap of %zu bytes, checksum %08X", picture.size(), static_cast<unsigned>(hash));
    return text;
}

// A field's value as shown, and as compared. A picture is compared by its bytes (at no
// cost when both designs share them) and a text as it is (quoting tells texts apart as well
// as the texts themselves do): what is shown of either is made only for a row that is listed,
// so long texts that differ cost a comparison, not a copy.
struct FieldValue {
    std::string Name;
    std::string Text;
    const std::string *Raw = nullptr;
    const SharedBytes *Picture = nullptr;

    bool operator==(const FieldValue &other) const
    {
        if (Picture)
            return *Picture == *other.Picture;
        return Raw ? *Raw == *other.Raw : Text == other.Text;
    }
    std::string Shown() const
    {
        if (Picture)
            return PictureText(*Picture);
        return Raw ? Quoted(*Raw) : Text;
    }
};

struct ValueCollector {
    std::vector<FieldValue> &Values;

    void Add(const char *name, std::string text) { Values.push_back({name, std::move(text)}); }

    void operator()(const char *name, int32_t value) { Add(name, std::to_string(value)); }
    void operator()(const char *name, int64_t value) { Add(name, std::to_string(value)); }
    void operator()(const char *name, bool value) { Add(name, value ? "true" : "false"); }
    void operator()(const char *name, double value) { Add(name, RealText(value)); }
    void operator()(const char *name, long double value) { Add(name, RealText(value)); }
    void operator()(const char *name, TextField<const std::string> text) { Values.push_back({name, {}, &text.Value}); }
    void operator()(const char *name, BytesField<const SharedBytes> picture)
    {
        Values.push_back({name, {}, nullptr, &picture.Value});
    }
    void operator()(const char *name, const std::array<bool, kAmmoTypeCount> &flags)
    {
        std::string text = "[";
        for (int k = 0; k < kAmmoTypeCount; ++k) {
            if (flags[static_cast<size_t>(k)])
                text += (text.size() > 1 ? ", " : "") + std::to_string(k);
        }
        Add(name, text + "]");
    }
};

// What a Differ lists.
enum class Listed { Everything, Differences, PathsOfDifferences };

// Lists the values of two records: every value, or those that differ (with or without
// what each record holds).
class Differ {
public:
    Differ(DesignComparison &out, Listed listed)
        : m_out(out), m_differencesOnly(listed != Listed::Everything),
          m_valuesShown(listed != Listed::PathsOfDifferences)
    {
    }

    void Add(const std::string &path, const std::string &a, const std::string &b, bool differs = true)
    {
        if (differs || !m_differencesOnly)
            m_out.push_back({path, a, b, differs});
    }

    // Compares two records field by field through their field list.
    template <typename R, typename Visit> void Fields(const std::string &prefix, const R &a, const R &b, Visit visit)
    {
        std::vector<FieldValue> va, vb;
        visit(a, ValueCollector{va});
        visit(b, ValueCollector{vb});
        for (size_t i = 0; i < va.size(); ++i) {
            const bool differs = !(va[i] == vb[i]);
            if (!differs && m_differencesOnly)
                continue;
            if (m_valuesShown)
                Add(prefix + va[i].Name, va[i].Shown(), vb[i].Shown(), differs);
            else
                Add(prefix + va[i].Name, {}, {}, differs);
        }
    }

    // Compares two lists entry by entry: `same(path, i)` for entries both have, `summary(i)`
    // names an entry only one has.
    template <typename Same, typename SummaryA, typename SummaryB>
    void List(const std::string &path, int countA, int countB, Same same, SummaryA summaryA, SummaryB summaryB)
    {
        for (int i = 0; i < std::max(countA, countB); ++i) {
            const std::string itemPath = path + "[" + std::to_string(i) + "]";
            if (i < countA && i < countB)
                same(itemPath, i);
            else if (i < countA)
                Add(itemPath, summaryA(i), kNone);
            else
                Add(itemPath, kNone, summaryB(i));
        }
    }

private:
    DesignComparison &m_out;
    bool m_differencesOnly;
    bool m_valuesShown;
};

const auto movementFields = [](auto &r, auto &&f) { ForEachMovementField(r, f); };
const auto perkFields = [](auto &r, auto &&f) { ForEachPerkField(r, f); };
const auto weaponFields = [](auto &r, auto &&f) { ForEachWeaponField(r, f); };
const auto sectionFields = [](auto &r, auto &&f) { ForEachAmmoSectionField(r, f); };

void DiffPerks(Differ &d, const std::string &path, const PerkList &a, const PerkList &b)
{
    d.List(
        path, a.Count(), b.Count(),
        [&](const std::string &p, int i) { d.Fields(p + ".", a.Get(i), b.Get(i), perkFields); },
        [&](int i) { return Quoted(a.Get(i).PFDName); }, [&](int i) { return Quoted(b.Get(i).PFDName); });
}

std::string SectionSummary(const AmmoSection &section) { return std::to_string(section.Amount) + " rounds"; }

std::string ClipSummary(const Clip &clip) { return "clip of " + std::to_string(clip.SectionCount()) + " sections"; }

void DiffClip(Differ &d, const std::string &path, const Clip &a, const Clip &b)
{
    d.Add(path + "." + designfields::kClipCount, std::to_string(a.ClipCount), std::to_string(b.ClipCount),
          a.ClipCount != b.ClipCount);
    d.Add(path + "." + designfields::kShielded, a.Shielded ? "true" : "false", b.Shielded ? "true" : "false",
          a.Shielded != b.Shielded);
    d.List(
        path + "." + designfields::kSections, a.SectionCount(), b.SectionCount(),
        [&](const std::string &p, int i) { d.Fields(p + ".", a.GetSection(i), b.GetSection(i), sectionFields); },
        [&](int i) { return SectionSummary(a.GetSection(i)); }, [&](int i) { return SectionSummary(b.GetSection(i)); });
}

void DiffWeapon(Differ &d, const std::string &path, const Weapon &a, const Weapon &b)
{
    d.Fields(path + ".", a.Data, b.Data, weaponFields);
    d.Fields(path + "." + designfields::kBaseAmmo + ".", a.Data.BaseAmmo, b.Data.BaseAmmo, sectionFields);
    d.List(
        path + "." + designfields::kClips, a.Clips.Count(), b.Clips.Count(),
        [&](const std::string &p, int i) { DiffClip(d, p, a.Clips.Get(i), b.Clips.Get(i)); },
        [&](int i) { return ClipSummary(a.Clips.Get(i)); }, [&](int i) { return ClipSummary(b.Clips.Get(i)); });
    const auto link = [](const BooleanList &links) {
        return [&links](int i) { return std::string(links.Get(i) ? "true" : "false"); };
    };
    d.List(
        path + "." + designfields::kLinks, a.Links.Count(), b.Links.Count(),
        [&](const std::string &p, int i) {
            d.Add(p, link(a.Links)(i), link(b.Links)(i), a.Links.Get(i) != b.Links.Get(i));
        },
        link(a.Links), link(b.Links));
}

void FieldRows(Differ &d, const BaseVehicle &a, const BaseVehicle &b)
{
    d.Fields("", a, b, [](auto &r, auto &&f) { ForEachVehicleField(r, f); });
    d.Fields(std::string(designfields::kCustomProduction) + ".", a.CustomProduction, b.CustomProduction,
             [](auto &r, auto &&f) { ForEachCustomProductionField(r, f); });

    const MovementList &ma = *a.Movement;
    const MovementList &mb = *b.Movement;
    d.List(
        designfields::kMovement, ma.Count(), mb.Count(),
        [&](const std::string &p, int i) { d.Fields(p + ".", ma.Get(i), mb.Get(i), movementFields); },
        [&](int i) { return Quoted(ma.ModeName(i)); }, [&](int i) { return Quoted(mb.ModeName(i)); });

    DiffPerks(d, designfields::kPerks, *a.Perks, *b.Perks);
    DiffPerks(d, designfields::kFlaws, *a.Flaws, *b.Flaws);
    DiffPerks(d, designfields::kDefects, *a.Defects, *b.Defects);

    const WeaponList &wa = *a.Weapons;
    const WeaponList &wb = *b.Weapons;
    d.List(
        designfields::kWeapons, wa.Count(), wb.Count(),
        [&](const std::string &p, int i) { DiffWeapon(d, p, wa.Get(i), wb.Get(i)); },
        [&](int i) { return Quoted(wa.Get(i).Data.Name); }, [&](int i) { return Quoted(wb.Get(i).Data.Name); });
}

void OutcomeRows(Differ &d, const DesignOutcome &a, const DesignOutcome &b)
{
    d.Fields("results.", a, b, [](auto &r, auto &&f) { ForEachOutcomeField(r, f); });
}

DesignDifferences DifferencesOf(const DesignComparison &rows)
{
    DesignDifferences out;
    out.reserve(rows.size());
    for (const DesignComparisonRow &row : rows)
        out.push_back({row.Path, row.A, row.B});
    return out;
}

DesignComparison Compare(BaseVehicle &a, BaseVehicle &b, bool differencesOnly)
{
    const DesignOutcome outcomeA = DesignOutcomeOf(a, ComputeResults(a));
    const DesignOutcome outcomeB = DesignOutcomeOf(b, ComputeResults(b));
    DesignComparison rows;
    Differ d(rows, differencesOnly ? Listed::Differences : Listed::Everything);
    FieldRows(d, a, b);
    OutcomeRows(d, outcomeA, outcomeB);
    return rows;
}

} // namespace

DesignDifferences DiffDesignFields(const BaseVehicle &a, const BaseVehicle &b)
{
    DesignComparison rows;
    Differ d(rows, Listed::Differences);
    FieldRows(d, a, b);
    return DifferencesOf(rows);
}

std::vector<std::string> DifferingFieldPaths(const BaseVehicle &a, const BaseVehicle &b)
{
    DesignComparison rows;
    Differ d(rows, Listed::PathsOfDifferences);
    FieldRows(d, a, b);
    std::vector<std::string> paths;
    paths.reserve(rows.size());
    for (DesignComparisonRow &row : rows)
        paths.push_back(std::move(row.Path));
    return paths;
}

DesignDifferences DiffDesignOutcomes(const DesignOutcome &a, const DesignOutcome &b)
{
    DesignComparison rows;
    Differ d(rows, Listed::Differences);
    OutcomeRows(d, a, b);
    return DifferencesOf(rows);
}

DesignDifferences CompareDesigns(BaseVehicle &a, BaseVehicle &b) { return DifferencesOf(Compare(a, b, true)); }

DesignComparison CompareDesignsSideBySide(BaseVehicle &a, BaseVehicle &b) { return Compare(a, b, false); }

} // namespace aw
