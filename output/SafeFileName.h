#pragma once

#include <cstddef>
#include <string>

namespace aw {

// The most bytes a file name may have on the usual file systems (255 UTF-8 bytes on Linux
// and macOS, 255 UTF-16 units on Windows, which UTF-8 bytes never undercount).
constexpr size_t kMaxFileNameBytes = 255;

// The design name as a preset file name: every \ / : * ? " < > | and control character removed.
std::string SafeFileName(const std::string &name);

// The UTF-8 file name stem + tail (an extension, " (2).html"), the stem cut from its end so
// that the whole takes at most kMaxFileNameBytes bytes, never inside a character.
std::string FittedFileName(const std::string &stem, const std::string &tail);

// The file name a save dialog offers for something named `name` (UTF-8): SafeFileName with
// "." and the extension, fitted; empty when nothing of the name is left.
std::string OfferedFileName(const std::string &name, const std::string &extension);

} // namespace aw
