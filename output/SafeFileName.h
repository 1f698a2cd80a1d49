#pragma once

#include <string>

namespace aw {

// The design name as a preset file name: every \ / : * ? " < > | removed.
std::string SafeFileName(const std::string &name);

} // namespace aw
