#include "ui/Cp1252.h"

#include "base/Cp1252.h"

namespace aw {

namespace cp1252 {

QString ToQt(const std::string &text) { return QString::fromStdU16String(ToUtf16(text)); }

std::string FromQt(const QString &text) { return FromUtf16(text.toStdU16String()); }

bool Holds(const QString &text) { return ToQt(FromQt(text)) == text; }

} // namespace cp1252

} // namespace aw
