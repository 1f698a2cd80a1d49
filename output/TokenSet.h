#pragma once

#include <string>
#include <vector>

namespace aw {

// An ordered set of named values applied to a template: first every exact token ("|NAME|")
// in the order added, then every width token ("|NAME12|") in the same order. The set knows
// which of its names begin others, so a width token is always read as the longest name it
// spells ("|ARMORx2" never as "|ARMOR").
class TokenSet {
public:
    // A token whose exact and width forms show the same value.
    void Add(const std::string &name, const std::string &value);
    // A token whose width form shows another format of the value than its exact form.
    void Add(const std::string &name, const std::string &exactValue, const std::string &widthValue);
    // A token with no width form.
    void AddExactOnly(const std::string &name, const std::string &value);

    void Apply(std::string &text) const;
    void ApplyExact(std::string &text) const;
    void ApplyWidth(std::string &text) const;

private:
    struct Entry {
        std::string Name;
        std::string ExactValue;
        std::string WidthValue;
        bool HasWidth = true;
    };
    std::vector<Entry> m_entries;
};

} // namespace aw
