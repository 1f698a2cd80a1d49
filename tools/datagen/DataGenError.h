#pragma once

#include <stdexcept>
#include <string>

namespace aw {

// A source table does not describe valid library data. The message names the
// table and line so the author can find the entry.
class DataGenError : public std::runtime_error {
public:
    DataGenError(const std::string &source, int line, const std::string &message)
        : std::runtime_error(source + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message)
    {
    }
};

} // namespace aw
