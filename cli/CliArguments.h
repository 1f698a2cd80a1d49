#pragma once

#include "base/ArmorwrightError.h"

#include <map>
#include <string>
#include <vector>

namespace aw {

// Wrong use of a command (unknown option, missing value, wrong number of files). The
// commands report it with their usage line and exit code 2. It quotes the command line,
// whose words are UTF-8.
class CliUsage : public ArmorwrightError {
public:
    explicit CliUsage(const std::string &utf8) : ArmorwrightError(ErrorText().SystemText(utf8)) {}
};

// One option a command accepts: its spellings ("-o", "--out") and whether a value follows.
struct CliOption {
    std::vector<std::string> Names;
    bool TakesValue = false;
};

// The arguments of one command: options (by their first spelling) and the other words
// in order. Values follow as the next word or after "=" ("--out-dir=x"); "--" ends the
// options. Throws CliUsage for an unknown option, a missing value or an option given twice.
class CliArguments {
public:
    CliArguments(const std::vector<std::string> &args, const std::vector<CliOption> &options);

    bool Has(const std::string &name) const { return m_values.count(name) != 0; }
    // The option's value, or fallback when it was not given.
    std::string Value(const std::string &name, const std::string &fallback = "") const;
    const std::vector<std::string> &Words() const { return m_words; }

private:
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_words;
};

} // namespace aw
