#pragma once

#include "output/SheetFormats.h"

#include <string>
#include <utility>
#include <vector>

namespace aw {

struct PrintJob;

// The record sheet's own token set: exact tokens ("|ARMOR*2|") and indexed tokens that address
// a row of the job's lists ("|WEPSR3|", "|MOVNAME2|", "|PERKNAME1|"). The values are formatted
// once, when the set is made; Expand then fills any number of label texts.
class SheetTokens {
public:
    explicit SheetTokens(const PrintJob &job, const SheetFormats &formats = SheetFormats());

    // Applies the exact tokens in order, then the indexed ones in order. Throws ConvertError
    // when an indexed token's row number is not a whole number.
    std::string Expand(const std::string &text) const;

private:
    void AddExact(const std::string &token, std::string value);
    void AddIndexed(const std::string &prefix, std::vector<std::string> rows);

    std::vector<std::pair<std::string, std::string>> m_exact;
    std::vector<std::pair<std::string, std::vector<std::string>>> m_indexed;
};

} // namespace aw
