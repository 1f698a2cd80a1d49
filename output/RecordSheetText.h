#pragma once

#include <QString>

#include <string>

// Sheet texts are stored as single-byte Windows-1252; drawing needs them as Unicode.
QString SheetTextToUnicode(const std::string &text);
