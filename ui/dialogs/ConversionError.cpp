#include "ui/dialogs/ConversionError.h"

namespace aw {

QString ConversionError(const QString &text, bool real)
{
    return QStringLiteral("'%1' is not a valid %2 value")
        .arg(text, real ? QStringLiteral("floating point") : QStringLiteral("integer"));
}

} // namespace aw
