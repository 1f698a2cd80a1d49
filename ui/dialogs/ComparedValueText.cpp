#include "ui/dialogs/ComparedValueText.h"

#include "base/NumberFormat.h"
#include "engine/DesignResults.h"
#include "ui/Cp1252.h"
#include "ui/pages/GeneralPage.h"

#include <map>

namespace aw {

namespace {

using Format = std::string (*)(double);

// The results' own formats (their default separators are the ones shown).
std::string Cost(double value) { return CostText(value); }
std::string Threat(double value) { return ThreatValueText(value); }
std::string Mass(double value) { return DefaultMassText(value); }
std::string PreProduction(double value) { return PreProductionCostText(value); }

const std::map<std::string, Format> kResultFormats = {
    {"results.FinalCost", Cost},
    {"results.ThreatValue", Threat},
    {"results.OTV", Threat},
    {"results.DTV", Threat},
    {"results.MTV", Threat},
    {"results.DefaultMass", Mass},
    {"results.PreProductionCost", PreProduction},
};

} // namespace

QString ComparedValueText(const std::string &path, const std::string &exact)
{
    double value = 0;
    if (!number::ParseReal(exact, value))
        return cp1252::ToQt(exact);
    if (const auto format = kResultFormats.find(path); format != kResultFormats.end())
        return cp1252::ToQt(format->second(value));
    if (const auto boxText = GeneralBoxText(path, value))
        return cp1252::ToQt(*boxText);
    // Elsewhere a whole number stays as it is (15 digits would turn a large cost into an
    // exponent) and others get the pages' usual 15 significant digits.
    if (exact.find_first_of(".eE") == std::string::npos)
        return cp1252::ToQt(exact);
    return cp1252::ToQt(number::General(value, 15));
}

} // namespace aw
