#include "tools/datagen/PerkTable.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/KeyValueBlocks.h"
#include "tools/datagen/SourceText.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

using Setter = std::function<void(TPerkRecord &, const std::string &value, const std::string &source, int line)>;

Setter Text(std::string TPerkRecord::*field, int capacity, const char *what)
{
    return [=](TPerkRecord &r, const std::string &value, const std::string &source, int line) {
        sourcetext::RequireStoredText(value, capacity, what, source, line);
        r.*field = value;
    };
}

Setter Int(int32_t TPerkRecord::*field, int32_t low, int32_t high)
{
    return [=](TPerkRecord &r, const std::string &value, const std::string &source, int line) {
        const int32_t n = sourcetext::ToInt(value, source, line);
        if (n < low || n > high)
            throw EDataGenError(source, line,
                                "\"" + value + "\" is outside " + std::to_string(low) + ".." + std::to_string(high));
        r.*field = n;
    };
}

Setter Real(double TPerkRecord::*field)
{
    return [=](TPerkRecord &r, const std::string &value, const std::string &source, int line) {
        r.*field = sourcetext::ToDouble(value, source, line);
    };
}

Setter Flag(bool TPerkRecord::*field)
{
    return [=](TPerkRecord &r, const std::string &value, const std::string &source, int line) {
        r.*field = sourcetext::ToFlag(value, source, line);
    };
}

const std::map<std::string, Setter> &Setters()
{
    constexpr int kName = TPerkRecord::NameCapacity;
    constexpr int kLong = TPerkRecord::LongTextCapacity;
    constexpr int32_t kAny = INT32_MAX;
    static const std::map<std::string, Setter> setters = {
        // WorthFormula 1 marks a user's custom entry, so the library never uses it.
        {"WorthFormula", [](TPerkRecord &r, const std::string &v, const std::string &s, int line) {
             Int(&TPerkRecord::WorthFormula, 0, 12)(r, v, s, line);
             if (r.WorthFormula == 1)
                 throw EDataGenError(s, line, "worth formula 1 marks a custom entry; use 0 for a flat worth");
         }},
        {"RoundMode", Int(&TPerkRecord::RoundMode, 0, 2)},
        {"Arc", Int(&TPerkRecord::Arc, 0, 8)},
        {"HasArc", Flag(&TPerkRecord::HasArc)},
        {"EffectText", Text(&TPerkRecord::EffectText, kLong, "effect text")},
        {"FormulaText", Text(&TPerkRecord::FormulaText, kLong, "formula text")},
        {"ShowFormula", Flag(&TPerkRecord::ShowFormula)},
        {"RatingValue", Real(&TPerkRecord::RatingValue)},
        {"X", Real(&TPerkRecord::X)},
        {"Y", Real(&TPerkRecord::Y)},
        {"Z", Real(&TPerkRecord::Z)},
        {"ShowRating", Flag(&TPerkRecord::ShowRating)},
        {"ShowX", Flag(&TPerkRecord::ShowX)},
        {"ShowY", Flag(&TPerkRecord::ShowY)},
        {"ShowZ", Flag(&TPerkRecord::ShowZ)},
        {"RatingLabel", Text(&TPerkRecord::RatingLabel, kName, "label")},
        {"XLabel", Text(&TPerkRecord::XLabel, kName, "label")},
        {"YLabel", Text(&TPerkRecord::YLabel, kName, "label")},
        {"ZLabel", Text(&TPerkRecord::ZLabel, kName, "label")},
        {"IsFlaw", Flag(&TPerkRecord::IsFlaw)},
        {"Aux", Flag(&TPerkRecord::Aux)},
        {"HasAmount", Flag(&TPerkRecord::HasAmount)},
        {"CostValue", Real(&TPerkRecord::CostValue)},
        {"OTVValueA", Real(&TPerkRecord::OTVValueA)},
        {"OTVValueB", Real(&TPerkRecord::OTVValueB)},
        {"TextEditable", Int(&TPerkRecord::TextEditable, 0, 1)},
        {"OTVValueC", Int(&TPerkRecord::OTVValueC, -kAny, kAny)},
        {"Location", Int(&TPerkRecord::Location, 0, 4)},
        {"HasLocation", Int(&TPerkRecord::HasLocation, 0, 1)},
        {"ManeuverMod", Int(&TPerkRecord::ManeuverMod, -kAny, kAny)},
        {"ArmorMod", Int(&TPerkRecord::ArmorMod, -kAny, kAny)},
        {"FireControlMod", Int(&TPerkRecord::FireControlMod, -kAny, kAny)},
        {"SensorMod", Int(&TPerkRecord::SensorMod, -kAny, kAny)},
        {"CommMod", Int(&TPerkRecord::CommMod, -kAny, kAny)},
        {"SpeedMod", Int(&TPerkRecord::SpeedMod, -kAny, kAny)},
        {"AddedActionsValue", Int(&TPerkRecord::AddedActionsValue, -kAny, kAny)},
        {"RatingIsPeople", Flag(&TPerkRecord::RatingIsPeople)},
        {"AddedCrewValue", Int(&TPerkRecord::AddedCrewValue, -1, kAny)},
        {"OutsideOTV", Flag(&TPerkRecord::OutsideOTV)},
        {"OffersOutside", Flag(&TPerkRecord::OffersOutside)},
        {"InsideOTV", Flag(&TPerkRecord::InsideOTV)},
        {"OffersInside", Flag(&TPerkRecord::OffersInside)},
        {"OutsideLabel", Text(&TPerkRecord::OutsideLabel, kName, "label")},
        {"InsideLabel", Text(&TPerkRecord::InsideLabel, kName, "label")},
        {"OTVFormula", Int(&TPerkRecord::OTVFormula, 0, 11)},
    };
    return setters;
}

void Apply(TPerkRecord &r, const TKeyValueBlock &block, const std::string &source)
{
    for (const TKeyValue &entry : block.Entries) {
        const auto setter = Setters().find(entry.Key);
        if (setter == Setters().end())
            throw EDataGenError(source, entry.Line, "\"" + entry.Key + "\" is not a field an entry may set");
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
            throw EDataGenError(source, line, "\"" + token + "\" is not an effect-text token");
        at = close + 1;
    }
}

} // namespace

const std::vector<std::string> &EffectTextTokens()
{
    static const std::vector<std::string> tokens = {"|R|", "|X|", "|Y|", "|Z|", "|A|",
                                                    "|C|", "|P|", "|S|", "|AR|", "|LOC|"};
    return tokens;
}

std::vector<TPerkRecord> ReadPerkTable(const std::string &text, const std::string &source)
{
    std::vector<TKeyValueBlock> blocks = ReadKeyValueBlocks(text, source);
    TPerkRecord defaults;
    size_t first = 0;
    if (!blocks.empty() && blocks.front().Name == "*") {
        Apply(defaults, blocks.front(), source);
        first = 1;
    }
    std::vector<TPerkRecord> records;
    for (size_t b = first; b < blocks.size(); ++b) {
        const TKeyValueBlock &block = blocks[b];
        if (block.Name == "*")
            throw EDataGenError(source, block.Line, "the defaults block \"[*]\" must come first");
        sourcetext::RequireStoredText(block.Name, TPerkRecord::NameCapacity, "name", source, block.Line);
        TPerkRecord r = defaults;
        r.PFDName = block.Name;
        Apply(r, block, source);
        RequireKnownTokens(r.EffectText, source, block.Line);
        if (r.HasLocation == 0 && r.EffectText.find("|LOC|") != std::string::npos)
            throw EDataGenError(source, block.Line, "the effect text names the location but the entry has none");
        if (!r.HasArc && r.EffectText.find("|A|") != std::string::npos)
            throw EDataGenError(source, block.Line, "the effect text names the arc but the entry has none");
        records.push_back(std::move(r));
    }
    return records;
}
