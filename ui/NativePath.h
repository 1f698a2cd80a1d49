#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace aw {

// File paths cross to the core in the file system's own encoding (UTF-8 on Windows), never
// Windows-1252.
std::string ToNativePath(const QString &path);
QString FromNativePath(const std::string &path);
// The same for the core's std::filesystem paths.
std::filesystem::path ToFileSystemPath(const QString &path);
QString FromFileSystemPath(const std::filesystem::path &path);

} // namespace aw
