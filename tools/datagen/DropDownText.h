#pragma once

#include <string>

namespace aw {

// The drop-down word lists: the source file holds one entry per line, exactly as
// offered (leading and trailing spaces kept), with a line "|" between two lists.
// The stored text has CR LF line ends and a line break after the last entry.
std::string BuildDropDownText(const std::string &source);

} // namespace aw
