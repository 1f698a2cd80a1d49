#pragma once

#include <QPageSize>

#include <string>

namespace aw {

// The page size a --page option names: "a4" (also when empty) or "letter". Throws CliUsage
// for any other name.
QPageSize PageSizeNamed(const std::string &name);

} // namespace aw
