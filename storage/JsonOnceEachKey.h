#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace aw {

// A key given twice in one object of a JSON text, by its path ("$.weapons[1].Name").
struct RepeatedJsonKey {
    std::string Path;
};

// Parses a JSON text as nlohmann::ordered_json::parse does, but refuses a key given twice in
// one object (throws RepeatedJsonKey): the library would keep the last value and drop the
// first without a word, and in a hand-edited file either may be the one meant.
nlohmann::ordered_json ParseJsonOnceEachKey(const std::string &text);

} // namespace aw
