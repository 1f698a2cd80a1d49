#include "ui/widgets/TypedNumber.h"

#include "base/NumberFormat.h"
#include "ui/Cp1252.h"

#include <QLocale>
#include <QString>

#include <cmath>

namespace aw {

bool ParseTypedReal(const QString &text, double &value, bool allowThousands)
{
    const QString typed = text.trimmed();
    const QString decimal = QLocale().decimalPoint();
    if (decimal != QLatin1String(".") && !typed.contains(QLatin1Char('.'))) {
        QString plain = typed;
        plain.replace(decimal, QLatin1String("."));
        if (number::ParseReal(cp1252::FromQt(plain), value))
            return true;
    }
    if (number::ParseReal(cp1252::FromQt(typed), value, NumberSeparators(), allowThousands))
        return true;
    // The locale's own grouped form ("1.234,5" under a German locale), which the box's "."
    // reading refuses.
    bool ok = false;
    const double grouped = decimal != QLatin1String(".") ? QLocale().toDouble(typed, &ok) : 0.0;
    if (!ok || !std::isfinite(grouped))
        return false;
    value = grouped;
    return true;
}

} // namespace aw
