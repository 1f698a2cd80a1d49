#pragma once

#include <QString>

#include <string>

namespace aw {

// The one conversion between the core's single-byte Windows-1252 texts and Qt's
// Unicode strings. Characters that Windows-1252 cannot hold become "?".
namespace cp1252 {
QString ToQt(const std::string &text);
std::string FromQt(const QString &text);
// Whether Windows-1252 holds every character of text, so FromQt changes none to "?".
bool Holds(const QString &text);
} // namespace cp1252

} // namespace aw
