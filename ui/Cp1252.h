#pragma once

#include <QString>

#include <string>

// The one conversion between the core's single-byte Windows-1252 texts and Qt's
// Unicode strings. Characters that Windows-1252 cannot hold become "?".
namespace cp1252 {
QString ToQt(const std::string &text);
std::string FromQt(const QString &text);
// Whether Windows-1252 holds every character of text, so FromQt changes none to "?".
bool Holds(const QString &text);
// Error and warning messages of the core carry file paths (UTF-8 on this platform) beside
// design texts (Windows-1252): read as UTF-8 when they are valid UTF-8, else as Windows-1252.
QString MessageToQt(const std::string &message);
} // namespace cp1252
