#pragma once

#include "base/ArmorwrightError.h"

#include <string>

namespace aw {

// A JSON design that cannot become a design. The message starts with the JSON path of the
// first bad value, e.g. "$.weapons[2].clips[0].sections[1].Amount: expected an integer"; it
// quotes the JSON's own keys and values, so it is UTF-8.
class DesignJsonError : public ArmorwrightError {
public:
    DesignJsonError(const std::string &path, const std::string &problem)
        : ArmorwrightError(ErrorText().SystemText(path + ": " + problem)), m_path(path)
    {
    }

    const std::string &Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace aw
