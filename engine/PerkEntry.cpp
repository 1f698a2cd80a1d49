#include "engine/PerkEntry.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/NumberFormat.h"
#include "base/RoundUp.h"
#include "weapons/WeaponTexts.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace aw {

namespace {

// A quotient with the rule's fallback: the dividend alone when the divisor is 0.
long double DivideOrKeep(long double dividend, long double divisor)
{
    return divisor == 0 ? dividend : dividend / divisor;
}

// The worth before rounding and amount; products in extended precision.
double FormulaValue(int32_t formula, const PerkRecord &r, const PerkVehicleData &v)
{
    const long double R = r.RatingValue, X = r.X, Y = r.Y, Z = r.Z;
    switch (formula) {
    case 0:
    case 1:
        return r.X;
    case 2:
        return -0.2;
    case 3:
        return static_cast<double>(R * X + Y * Z);
    case 4: {
        // A negative radicand keeps its sign rather than giving no number at all.
        const double radicand = static_cast<double>(R * X + Y * Z);
        return radicand < 0 ? -std::sqrt(-radicand) : std::sqrt(radicand);
    }
    case 5:
        return static_cast<double>(v.Actions * Y + X);
    case 6:
        return static_cast<double>(v.People * Y + X);
    case 7:
        return static_cast<double>(v.Size * R * X);
    case 8:
        return static_cast<double>(v.ArmorValue * Y + X);
    case 9:
        return static_cast<double>(R * X + DivideOrKeep(Y, Z));
    case 10:
        return static_cast<double>(X * Y * R * Z);
    case 11:
        return static_cast<double>(DivideOrKeep(X * Y, v.People));
    case 12:
        return static_cast<double>(DivideOrKeep(X * Y, v.CrewValue));
    default:
        return 0.0; // the defect kinds and unknown formulas have no worth
    }
}

constexpr std::array<const char *, 5> kLocationNames = {"Mov", "Aux", "Crew", "Fi-Con", "Struct"};

// Replaces every occurrence of each token in turn; inserted values are never scanned again.
std::string ReplaceTokens(const std::string &text, const std::vector<std::pair<std::string, std::string>> &tokens)
{
    struct Piece {
        std::string Text;
        bool Inserted;
    };
    std::vector<Piece> pieces{{text, false}};
    for (const auto &[token, value] : tokens) {
        std::vector<Piece> next;
        for (Piece &piece : pieces) {
            if (piece.Inserted) {
                next.push_back(std::move(piece));
                continue;
            }
            size_t start = 0;
            for (size_t found; (found = piece.Text.find(token, start)) != std::string::npos;
                 start = found + token.size()) {
                next.push_back({piece.Text.substr(start, found - start), false});
                next.push_back({value, true});
            }
            next.push_back({piece.Text.substr(start), false});
        }
        pieces = std::move(next);
    }
    std::string out;
    for (const Piece &piece : pieces)
        out += piece.Text;
    return out;
}

} // namespace

std::string DisplayName(const PerkRecord &r)
{
    std::string name = r.PFDName;
    if (r.Amount != 1)
        name = (name + " x").substr(0, 34) + number::Integer(r.Amount);
    if (r.WorthFormula == WorthCustom)
        name += ".c";
    return name;
}

double Worth(const PerkRecord &r, const PerkVehicleData &v)
{
    if (LogEnabled())
        LogLine("              Perk/Flaw - ", DisplayName(r));
    int32_t formula = r.WorthFormula;
    if (formula == WorthMajorFlawDefect || formula == WorthMinorFlawDefect)
        formula = r.Variant; // the formula of the adopted flaw
    double w = FormulaValue(formula, r, v);
    if (r.RoundMode == 1)
        w = RoundUp(w);
    else if (r.RoundMode == 2)
        w = std::trunc(w);
    w = MultiplyExtended(w, r.Amount);
    LogLine("                    Worth - ", w);
    return w;
}

double OTVValue(const PerkRecord &r)
{
    auto halfSquared = [](long double value) { return static_cast<double>((value * 0.5L) * (value * 0.5L)); };
    double value;
    switch (r.OTVFormula) {
    case 0:
        value = r.OTVValueA;
        break;
    case 1:
        value = r.OTVValueB;
        break;
    case 2:
        value = r.OTVValueC;
        break;
    case 4:
        value = r.RatingValue;
        break;
    case 5:
        value = r.X;
        break;
    case 6:
        value = r.Y;
        break;
    case 7:
        value = r.Z;
        break;
    case 8:
        value = halfSquared(r.RatingValue);
        break;
    case 9:
        value = halfSquared(r.X);
        break;
    case 10:
        value = halfSquared(r.Y);
        break;
    case 11:
        value = halfSquared(r.Z);
        break;
    default:
        value = 0.0;
        break;
    }
    return MultiplyExtended(value, r.Amount);
}

double Cost(const PerkRecord &r)
{
    long double cost;
    if (r.WorthFormula != 0)
        cost = r.CostValue;
    else
        cost = DivideOrKeep(static_cast<long double>(r.Y) * r.CostValue, r.Z);
    return static_cast<double>(cost * r.Amount);
}

int32_t People(const PerkRecord &r) { return r.RatingIsPeople ? SaturateInt32(TruncToInt64(r.RatingValue)) : 0; }

int32_t CrewAdded(const PerkRecord &r)
{
    return r.AddedCrewValue == -1 ? SaturateInt32(TruncToInt64(r.RatingValue)) : r.AddedCrewValue;
}

int32_t ActionsAdded(const PerkRecord &r) { return r.AddedActionsValue; }

std::string RatingText(const PerkRecord &r, NumberSeparators separators)
{
    return r.ShowRating ? number::General(r.RatingValue, 15, separators) : std::string();
}

std::string EffectTextFor(const PerkRecord &r, const PerkVehicleData &v, NumberSeparators separators)
{
    switch (r.WorthFormula) {
    case WorthStructuralDefect:
        return r.Variant != 0 ? "-10% to armor, rounding up" : "-1 maneuvering";
    case WorthElectronicDefect:
        return r.Variant == 0 ? "-1 targeting" : r.Variant == 1 ? "-1 sensors" : "-1 communications";
    case WorthMovementDefect:
        return r.Variant != 0 ? "-10% speed (min 1 MP)" : "-1 maneuvering";
    default:
        break;
    }
    return ReplaceTokens(r.EffectText, {
                                           {"|R|", number::General(r.RatingValue, 15, separators)},
                                           {"|X|", number::General(r.X, 15, separators)},
                                           {"|Y|", number::General(r.Y, 15, separators)},
                                           {"|Z|", number::General(r.Z, 15, separators)},
                                           {"|A|", PerkArcCode(r.Arc)},
                                           {"|C|", number::Integer(v.Actions)},
                                           {"|P|", number::Integer(v.People)},
                                           {"|S|", number::Integer(v.Size)},
                                           {"|AR|", number::Integer(v.ArmorValue)},
                                           {"|LOC|", r.HasLocation == 1 ? PerkLocationName(r.Location) : ""},
                                       });
}

std::string PerkArcCode(int32_t arc)
{
    // The nine plain arcs of the weapons; perks have no "p" variants.
    constexpr int32_t plainArcCount = 9;
    return arc >= 0 && arc < plainArcCount ? ArcCode(arc) : std::string();
}

std::string PerkLocationName(int32_t location)
{
    if (location < 0 || location >= static_cast<int32_t>(kLocationNames.size()))
        return {};
    return kLocationNames[static_cast<size_t>(location)];
}

} // namespace aw
