#include "ui/widgets/TypedNumber.h"

#include "base/NumberFormat.h"
#include "ui/Cp1252.h"

#include <QLocale>
#include <QString>

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
    return number::ParseReal(cp1252::FromQt(typed), value, NumberSeparators(), allowThousands);
}

} // namespace aw
