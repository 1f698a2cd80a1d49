#include "ui/document/UndoChangeText.h"

#include "base/AsciiCase.h"
#include "engine/DesignResults.h"
#include "ui/Cp1252.h"
#include "ui/document/UndoStep.h"

#include <cmath>
#include <functional>
#include <set>

namespace aw {

namespace {

// The fields the constraint pass writes back after other edits.
const std::set<std::string> kRaisedByConstraints = {"Armor", "FinalSize", "Crew"};

// "weapons[2].clips[0].Amount" -> "weapons"; "CustomProduction.CustomName" -> "CustomProduction".
std::string TopField(const std::string &path) { return path.substr(0, path.find_first_of(".[")); }

} // namespace

QString FieldWords(const std::string &field)
{
    QString text;
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (i > 0 && ascii::IsUpper(c) && ascii::IsLower(field[i - 1]))
            text += QLatin1Char(' ');
        text += QLatin1Char(i == 0 ? ascii::ToUpper(c) : c);
    }
    return text;
}

namespace {

// A value after a change and its difference, e.g. "1,234.00 (+56.00)", both written by format.
QString WithDifference(long double after, long double before, const std::function<std::string(double)> &format,
                       const QString &unit = {})
{
    const long double difference = after - before;
    const std::string size = format(static_cast<double>(std::fabs(difference)));
    QString text = cp1252::ToQt(format(static_cast<double>(after)));
    if (!unit.isEmpty())
        text += QLatin1Char(' ') + unit;
    // A difference too small to show counts as none.
    if (size.find_first_not_of("0.,") == std::string::npos)
        return text + QStringLiteral(" (no change)");
    return text + QStringLiteral(" (") + QLatin1Char(difference > 0 ? '+' : '-') + cp1252::ToQt(size) +
           QLatin1Char(')');
}

} // namespace

QString UndoChangeName(const std::vector<std::string> &paths)
{
    if (paths.empty())
        return QStringLiteral("Change");
    std::string field = TopField(paths.front());
    for (const std::string &path : paths) {
        const std::string top = TopField(path);
        if (!kRaisedByConstraints.count(top)) {
            field = top;
            break;
        }
    }
    return FieldWords(field) + QStringLiteral(" change");
}

QString ResultChangeText(const UndoState &from, const UndoState &to, NumberSeparators separators)
{
    // The threat value as the results area writes it; the cost grouped as there too.
    const auto threatValue = [separators](double value) { return ThreatValueText(value, separators); };
    const auto cost = [separators](double value) { return number::Grouped(value, 2, separators); };
    return QStringLiteral("TV ") + WithDifference(to.ThreatValue, from.ThreatValue, threatValue) +
           QStringLiteral("   Final Cost ") +
           WithDifference(to.FinalCost, from.FinalCost, cost, cp1252::ToQt(to.CurrencyName).trimmed());
}

} // namespace aw
