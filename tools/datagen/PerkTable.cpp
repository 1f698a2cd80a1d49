#include "tools/datagen/PerkTable.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/KeyValueBlocks.h"
#include "tools/datagen/SourceText.h"

#include <algorithm>
#include <functional>
#include <map>

namespace aw {

namespace {

using Setter = std::function<void(PerkRecord &, const std::string &value, const std::string &source, int line)>;

Setter Text(std::string PerkRecord::*field, int capacity, const char *what)
{
    return [=](PerkRecord &r, const std::string &value, const std::string &source, int line) {
        sourcetext::RequireStoredText(value, capacity, what, source, line);
        r.*field = value;
    };
}

Setter Int(int32_t PerkRecord::*field, int32_t low, int32_t high)
{
    return [=](PerkRecord &r, const std::string &value, const std::string &source, int line) {
        const int32_t n = sourcetext::ToInt(value, source, line);
        if (n < low || n > high)
            throw DataGenError(source, line,
                               "\"" + value + "\" is outside " + std::to_string(low) + ".." + std::to_string(high));
        r.*field = n;
    };
}

Setter Real(double PerkRecord::*field)
{
    return [=](PerkRecord &r, const std::string &value, const std::string &source, int line) {
        r.*field = sourcetext::ToDouble(value, source, line);
    };
}

Setter Flag(bool PerkRecord::*field)
{
    return [=](PerkRecord &r, const std::string &value, const std::string &source, int line) {
        r.*field = sourcetext::ToFlag(value, source, line);
    };
}

const std::map<std::string, Setter> &Setters()
{
    constexpr int kName = PerkRecord::NameCapacity;
    constexpr int kLong = PerkRecord::LongTextCapacity;
    constexpr int32_t kAny = INT32_MAX;
    static const std::map<std::string, Setter> setters = {
        // WorthFormula 1 marks a user's custom entry, so the library never uses it.
        {"WorthFormula",
         [](PerkRecord &r, const std::string &v, const std::string &s, int line) {
             Int(&PerkRecord::WorthFormula, 0, 12)(r, v, s, line);
             if (r.WorthFormula == 1)
                 throw DataGenError(s, line, "worth formula 1 marks a custom entry; use 0 for a flat worth");
         }},
        {"RoundMode", Int(&PerkRecord::RoundMode, 0, 2)},
        {"Arc", Int(&PerkRecord::Arc, 0, 8)},
        {"HasArc", Flag(&PerkRecord::HasArc)},
        {"EffectText", Text(&PerkRecord::EffectText, kLong, "effect text")},
        {"FormulaText", Text(&PerkRecord::FormulaText, kLong, "formula text")},
        {"ShowFormula", Flag(&PerkRecord::ShowFormula)},
        {"RatingValue", Real(&PerkRecord::RatingValue)},
        {"X", Real(&PerkRecord::X)},
        {"Y", Real(&PerkRecord::Y)},
        {"Z", Real(&PerkRecord::Z)},
        {"ShowRating", Flag(&PerkRecord::ShowRating)},
        {"ShowX", Flag(&PerkRecord::ShowX)},
        {"ShowY", Flag(&PerkRecord::ShowY)},
        {"ShowZ", Flag(&PerkRecord::ShowZ)},
        {"RatingLabel", Text(&PerkRecord::RatingLabel, kName, "label")},
        {"XLabel", Text(&PerkRecord::XLabel, kName, "label")},
        {"YLabel", Text(&PerkRecord::YLabel, kName, "label")},
        {"ZLabel", Text(&PerkRecord::ZLabel, kName, "label")},
        {"IsFlaw", Flag(&PerkRecord::IsFlaw)},
        {"Aux", Flag(&PerkRecord::Aux)},
        {"HasAmount", Flag(&PerkRecord::HasAmount)},
        {"CostValue", Real(&PerkRecord::CostValue)},
        {"OTVValueA", Real(&PerkRecord::OTVValueA)},
        {"OTVValueB", Real(&PerkRecord::OTVValueB)},
        {"TextEditable", Int(&PerkRecord::TextEditable, 0, 1)},
        {"OTVValueC", Int(&PerkRecord::OTVValueC, -kAny, kAny)},
        {"Location", Int(&PerkRecord::Location, 0, 4)},
        {"HasLocation", Int(&PerkRecord::HasLocation, 0, 1)},
        {"ManeuverMod", Int(&PerkRecord::ManeuverMod, -kAny, kAny)},
        {"ArmorMod", Int(&PerkRecord::ArmorMod, -kAny, kAny)},
        {"FireControlMod", Int(&PerkRecord::FireControlMod, -kAny, kAny)},
        {"SensorMod", Int(&PerkRecord::SensorMod, -kAny, kAny)},
        {"CommMod", Int(&PerkRecord::CommMod, -kAny, kAny)},
        {"SpeedMod", Int(&PerkRecord::SpeedMod, -kAny, kAny)},
        {"AddedActionsValue", Int(&PerkRecord::AddedActionsValue, -kAny, kAny)},
        {"RatingIsPeople", Flag(&PerkRecord::RatingIsPeople)},
        {"AddedCrewValue", Int(&PerkRecord::AddedCrewValue, -1, kAny)},
        {"OutsideOTV", Flag(&PerkRecord::OutsideOTV)},
        {"OffersOutside", Flag(&PerkRecord::OffersOutside)},
        {"InsideOTV", Flag(&PerkRecord::InsideOTV)},
        {"OffersInside", Flag(&PerkRecord::OffersInside)},
        {"OutsideLabel", Text(&PerkRecord::OutsideLabel, kName, "label")},
        {"InsideLabel", Text(&PerkRecord::InsideLabel, kName, "label")},
        {"OTVFormula", Int(&PerkRecord::OTVFormula, 0, 11)},
    };
    return setters;
}

void Apply(PerkRecord &r, const KeyValueBlock &block, const std::string &source)
{
    for (const KeyValue &entry : block.Entries) {
        const auto setter = Setters().find(entry.Key);
        if (setter == Setters().end())
            throw DataGenError(source, entry.Line, "\"" + entry.Key + "\" is not a field an entry may set");
        setter->second(r, entry.Value, source, entry.Line);
    }
}

// Every "|...|" in a template must be one of the known tokens.
void RequireKnownTokens(const std::string &text, const std::string &source, int line)
{
    const auto &tokens = EffectTextTokens();
    size_t at = 0;
    while ((at = text.find('|', at)) != std::string::npos) {
        const size_t close = text.find('|', at + 1);
        const std::string token = close == std::string::npos ? text.substr(at) : text.substr(at, close - at + 1);
        if (std::find(tokens.begin(), tokens.end(), token) == tokens.end())
            throw DataGenError(source, line, "\"" + token + "\" is not an effect-text token");
        at = close + 1;
    }
}

} // namespace

const std::vector<std::string> &EffectTextTokens()
{
    static const std::vector<std::string> tokens = {"|R|", "|X|", "|Y|", "|Z|",  "|A|",
                                                    "|C|", "|P|", "|S|", "|AR|", "|LOC|"};
    return tokens;
}

std::vector<PerkRecord> ReadPerkTable(const std::string &text, const std::string &source)
{
    std::vector<KeyValueBlock> blocks = ReadKeyValueBlocks(text, source);
    PerkRecord defaults;
    size_t first = 0;
    if (!blocks.empty() && blocks.front().Name == "*") {
        Apply(defaults, blocks.front(), source);
        first = 1;
    }
    std::vector<PerkRecord> records;
    for (size_t b = first; b < blocks.size(); ++b) {
        const KeyValueBlock &block = blocks[b];
        if (block.Name == "*")
            throw DataGenError(source, block.Line, "the defaults block \"[*]\" must come first");
        sourcetext::RequireStoredText(block.Name, PerkRecord::NameCapacity, "name", source, block.Line);
        PerkRecord r = defaults;
        r.PFDName = block.Name;
        Apply(r, block, source);
        RequireKnownTokens(r.EffectText, source, block.Line);
        if (r.HasLocation == 0 && r.EffectText.find("|LOC|") != std::string::npos)
            throw DataGenError(source, block.Line, "the effect text names the location but the entry has none");
        if (!r.HasArc && r.EffectText.find("|A|") != std::string::npos)
            throw DataGenError(source, block.Line, "the effect text names the arc but the entry has none");
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace aw
