#pragma once

#include <QString>

#include <string>

namespace aw {

// File paths cross to the core in the file system's own encoding (UTF-8 on Windows), never
// Windows-1252.
std::string ToNativePath(const QString &path);
QString FromNativePath(const std::string &path);

} // namespace aw
