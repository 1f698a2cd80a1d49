#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// Small text helpers shared by the table readers. Each reader reports errors with
// the source name and line it got from these helpers.
namespace sourcetext {

struct Line {
    int Number = 0; // 1-based line number in the source
    std::string Text;
};

// Splits text into lines at LF, dropping a CR before it. Lines are kept as written.
std::vector<Line> SplitLines(const std::string &text);
// The lines that carry content: blank lines and lines starting with "#" are left out.
std::vector<Line> ContentLines(const std::string &text);

std::string Trim(const std::string &text);
// Splits at every occurrence of separator and trims each piece.
std::vector<std::string> SplitTrimmed(const std::string &text, char separator);

// Strict number parsing: the whole text must be the number. Throws DataGenError.
int32_t ToInt(const std::string &text, const std::string &source, int line);
double ToDouble(const std::string &text, const std::string &source, int line);
// "1"/"0" (also "yes"/"no", "true"/"false"). Throws DataGenError.
bool ToFlag(const std::string &text, const std::string &source, int line);

// Throws DataGenError unless text fits in capacity single-byte characters and
// holds only plain ASCII (the stored texts are single-byte).
void RequireStoredText(const std::string &text, int capacity, const std::string &what, const std::string &source,
                       int line);

} // namespace sourcetext

} // namespace aw
