#include "cli/LocaleSeparators.h"

#include "base/Cp1252.h"
#include "cli/CliArguments.h"

#include <QLocale>

namespace aw {

namespace {

char SingleByte(const QString &separator, const std::string &locale, const char *what)
{
    // A narrow no-break space (as French uses) is shown as the no-break space the
    // sheets' single-byte texts have.
    const QString text = separator == QString(QChar(0x202F)) ? QString(QChar(0xA0)) : separator;
    std::string converted;
    char32_t bad = 0;
    if (!cp1252::FromUtf8(text.toStdString(), converted, bad) || converted.size() != 1)
        throw CliUsage("the " + std::string(what) + " separator of locale '" + locale +
                       "' is not a single character the sheets can hold");
    return converted.front();
}

} // namespace

NumberSeparators LocaleSeparators(const std::string &name)
{
    if (name.empty())
        return {};
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C && name != "C" && name != "POSIX")
        throw CliUsage("unknown locale '" + name + "'");
    NumberSeparators separators;
    separators.Thousands = SingleByte(locale.groupSeparator(), name, "thousands");
    separators.Decimal = SingleByte(locale.decimalPoint(), name, "decimal");
    if (separators.Thousands == separators.Decimal)
        throw CliUsage("locale '" + name + "' uses one character for both separators");
    return separators;
}

} // namespace aw
