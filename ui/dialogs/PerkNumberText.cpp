#include "ui/dialogs/PerkNumberText.h"

#include "base/NumberFormat.h"
#include "ui/Cp1252.h"

namespace aw {

namespace perktext {

QString Real(double value) { return cp1252::ToQt(number::General(value)); }

QString Integer(int64_t value) { return cp1252::ToQt(number::Integer(value)); }

bool ParseInteger(const QString &text, int32_t &value)
{
    return number::ParseInteger(cp1252::FromQt(text.trimmed()), value);
}

} // namespace perktext

} // namespace aw
