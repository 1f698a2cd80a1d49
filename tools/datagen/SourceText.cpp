#include "tools/datagen/SourceText.h"

#include "base/NumberFormat.h"
#include "tools/datagen/DataGenError.h"

namespace aw {

namespace sourcetext {

std::vector<Line> SplitLines(const std::string &text)
{
    std::vector<Line> lines;
    size_t start = 0;
    int number = 1;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string piece = text.substr(start, end - start);
        if (!piece.empty() && piece.back() == '\r')
            piece.pop_back();
        lines.push_back({number++, piece});
        start = end + 1;
    }
    return lines;
}

std::vector<Line> ContentLines(const std::string &text)
{
    std::vector<Line> result;
    for (Line &line : SplitLines(text)) {
        const std::string trimmed = Trim(line.Text);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        result.push_back(std::move(line));
    }
    return result;
}

std::string Trim(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitTrimmed(const std::string &text, char separator)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        pieces.push_back(Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return pieces;
}

int32_t ToInt(const std::string &text, const std::string &source, int line)
{
    int32_t value = 0;
    if (!number::ParseInteger(Trim(text), value))
        throw DataGenError(source, line, "\"" + text + "\" is not a whole number");
    return value;
}

double ToDouble(const std::string &text, const std::string &source, int line)
{
    double value = 0;
    if (!number::ParseReal(Trim(text), value))
        throw DataGenError(source, line, "\"" + text + "\" is not a number");
    return value;
}

bool ToFlag(const std::string &text, const std::string &source, int line)
{
    const std::string t = Trim(text);
    if (t == "1" || t == "yes" || t == "true")
        return true;
    if (t == "0" || t == "no" || t == "false")
        return false;
    throw DataGenError(source, line, "\"" + text + "\" is not a flag (1 or 0)");
}

void RequireStoredText(const std::string &text, int capacity, const std::string &what, const std::string &source,
                       int line)
{
    if (static_cast<int>(text.size()) > capacity)
        throw DataGenError(source, line,
                           what + " \"" + text + "\" is longer than " + std::to_string(capacity) + " characters");
    for (unsigned char c : text) {
        if (c < 0x20 || c >= 0x7f)
            throw DataGenError(source, line, what + " \"" + text + "\" holds a character that is not plain text");
    }
}

} // namespace sourcetext

} // namespace aw
