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
// Text as Windows-1252 can hold it, for what is typed or pasted into a design text: a letter
// with a mark it lacks becomes the plain letter (Ş to S, ő to o, ı to i), any other character
// it lacks is left out.
QString Storable(const QString &text);
// Whether text holds wanted, case aside, once both are as Windows-1252 holds them: a filter
// typed "MACHİNE" or "machıne" finds "Machine Gun". Where that would drop letters of wanted
// (Cyrillic, Japanese), texts are compared as they are.
bool ContainsIgnoringCase(const QString &text, const QString &wanted);
} // namespace cp1252

} // namespace aw
