#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace aw {

// What the JSON library says of a text it cannot read, without the library's own prefix
// ("[json.exception.parse_error.101] "), which means nothing to the user.
inline std::string JsonSyntaxMessage(const nlohmann::json::exception &error)
{
    std::string message = error.what();
    const size_t bracket = message.find("] ");
    if (message.rfind("[json.exception", 0) == 0 && bracket != std::string::npos)
        message.erase(0, bracket + 2);
    return message;
}

} // namespace aw
