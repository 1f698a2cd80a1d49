#include "output/TokenReplace.h"

#include "output/ConvertError.h"
#include "output/SheetTooLarge.h"

#include <algorithm>
#include <optional>

namespace aw {

namespace {

bool StartsAt(const std::string &text, size_t at, const std::string &what)
{
    return text.compare(at, what.size(), what) == 0;
}

bool StartsWithAny(const std::string &text, size_t at, const std::vector<std::string> &candidates)
{
    for (const std::string &candidate : candidates)
        if (StartsAt(text, at, candidate))
            return true;
    return false;
}

std::string JoinRows(const std::vector<std::string> &rows)
{
    size_t total = 0;
    for (const std::string &row : rows)
        total += row.size();
    RequireSheetSize(total);
    std::string joined;
    joined.reserve(total);
    for (const std::string &row : rows)
        joined += row;
    return joined;
}

// Where a section lies: [begin, end) is deleted when it is replaced, [bodyBegin, bodyEnd) is its body.
struct SectionSpan {
    size_t Begin = 0;
    size_t BodyBegin = 0;
    size_t BodyEnd = 0;
    size_t End = 0;
};

// The first section of the text. The close tag is the first one of
// the whole text; when it is missing or before the open tag, the section runs up to the last
// character of the text, which stays.
std::optional<SectionSpan> FindSection(const std::string &open, const std::string &close, const std::string &text)
{
    if (open.empty())
        return std::nullopt;
    const size_t begin = text.find(open);
    if (begin == std::string::npos)
        return std::nullopt;
    SectionSpan span;
    span.Begin = begin;
    span.BodyBegin = begin + open.size();
    const size_t closeAt = close.empty() ? std::string::npos : text.find(close);
    if (closeAt == std::string::npos || closeAt < span.BodyBegin) {
        const size_t last = text.size() - 1; // the open tag is not empty, so the text is not either
        span.BodyEnd = std::max(span.BodyBegin, last);
        span.End = last;
    } else {
        span.BodyEnd = closeAt;
        span.End = closeAt + close.size();
    }
    return span;
}

// Ends a replacement built by appending: the rest of text from `copied` joins the result,
// which takes text's place. Nothing was replaced when nothing was copied.
void FinishAppended(std::string &result, size_t copied, std::string &text)
{
    if (copied == 0)
        return;
    result.append(text, copied, std::string::npos);
    RequireSheetSize(result.size());
    text = std::move(result);
}

// Fills every token that starts with prefix and ends with the next terminator, left to right,
// with fill(the text between the two). An occurrence for which skip(position) holds is left
// alone; one with no terminator after it ends the search (no later one can have one either).
// Built by appending, so a text with many tokens takes linear time, and inserted text is not
// searched again.
template <typename Skip, typename Fill>
void ReplaceDelimitedTokens(const std::string &prefix, const std::string &terminator, std::string &text, Skip skip,
                            Fill fill)
{
    std::string result;
    size_t copied = 0;
    size_t from = 0;
    size_t at;
    while ((at = text.find(prefix, from)) != std::string::npos) {
        if (skip(at)) {
            from = at + 1;
            continue;
        }
        const size_t inner = at + prefix.size();
        const size_t closing = text.find(terminator, inner);
        if (closing == std::string::npos)
            break;
        decltype(auto) value = fill(text.substr(inner, closing - inner)); // a row is not copied
        result.append(text, copied, at - copied);
        result += value;
        RequireSheetSize(result.size());
        copied = closing + terminator.size();
        from = copied;
    }
    FinishAppended(result, copied, text);
}

// A text being expanded section by section: the finished part, and where the original text
// continues. Tells where the first close tag of the whole text stands, as the original text's
// position, or npos when the finished part already holds one (so it stands before any open tag
// found later) or there is none.
class ExpandedText {
public:
    ExpandedText(const std::string &close, std::string &text)
        : m_close(close), m_text(text), m_nextClose(close.empty() ? std::string::npos : text.find(close))
    {
    }

    std::string Done;
    size_t Copied = 0;

    // The first close tag after the finished part, or npos when there is none or one stands in
    // (or across the end of) the finished part.
    size_t FirstCloseAfterDone()
    {
        if (m_close.empty() || m_closeInDone || CloseAcrossBoundary())
            return std::string::npos;
        // No close tag starts between Copied and m_nextClose, so it only moves on once passed.
        if (m_nextClose != std::string::npos && m_nextClose < Copied)
            m_nextClose = m_text.find(m_close, Copied);
        return m_nextClose;
    }

    void Append(const std::string &piece)
    {
        const size_t overlap = m_close.empty() ? 0 : std::min(Done.size(), m_close.size() - 1);
        const size_t searchFrom = Done.size() - overlap;
        Done += piece;
        if (!m_closeInDone && !m_close.empty() && Done.find(m_close, searchFrom) != std::string::npos)
            m_closeInDone = true;
    }

    void Finish()
    {
        if (Copied == 0 && Done.empty())
            return; // no section: nothing changes
        Done.append(m_text, Copied, std::string::npos);
        m_text = std::move(Done);
    }

private:
    // A close tag that begins in the finished part and ends in the rest of the text.
    bool CloseAcrossBoundary() const
    {
        for (size_t inDone = 1; inDone < m_close.size() && inDone <= Done.size(); ++inDone) {
            const size_t inRest = m_close.size() - inDone;
            if (Copied + inRest <= m_text.size() &&
                Done.compare(Done.size() - inDone, inDone, m_close, 0, inDone) == 0 &&
                m_text.compare(Copied, inRest, m_close, inDone, inRest) == 0)
                return true;
        }
        return false;
    }

    const std::string &m_close;
    std::string &m_text;
    size_t m_nextClose;
    bool m_closeInDone = false;
};

} // namespace

void ReplaceToken(const std::string &token, const std::string &value, std::string &text)
{
    if (token.empty())
        return;
    size_t at = text.find(token);
    if (at == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    size_t Copied = 0;
    while (at != std::string::npos) {
        result.append(text, Copied, at - Copied);
        result += value;
        RequireSheetSize(result.size());
        Copied = at + token.size();
        at = text.find(token, Copied);
    }
    result.append(text, Copied, std::string::npos);
    RequireSheetSize(result.size());
    text = std::move(result);
}

std::string FitToWidth(const std::string &value, int width)
{
    if (width <= 0)
        return {};
    std::string fitted = value;
    fitted.resize(static_cast<size_t>(std::min(width, kMaxTokenWidth)), ' ');
    return fitted;
}

void ReplaceWidthToken(const std::string &prefix, const std::string &terminator, const std::string &value,
                       std::string &text, const std::vector<std::string> &longerPrefixes)
{
    if (prefix.empty() || terminator.empty())
        return;
    ReplaceDelimitedTokens(
        prefix, terminator, text, [&](size_t at) { return StartsWithAny(text, at, longerPrefixes); },
        [&](const std::string &inside) {
            std::string digits;
            for (char c : inside)
                if (c >= '0' && c <= '9')
                    digits += c;
            const int32_t width = StrToInt(digits);
            RequireSheetSize(static_cast<size_t>(width)); // a field wider than a whole sheet: a broken template
            return FitToWidth(value, width);
        });
}

void ReplaceIndexedToken(const std::string &prefix, const std::vector<std::string> &list, std::string &text)
{
    if (prefix.empty())
        return;
    ReplaceDelimitedTokens(
        prefix, "|", text, [](size_t) { return false; },
        [&](const std::string &number) -> const std::string & {
            static const std::string empty;
            const int32_t row = StrToInt(number);
            return row >= 1 && static_cast<size_t>(row) <= list.size() ? list[static_cast<size_t>(row) - 1] : empty;
        });
}

std::string SectionBody(const std::string &open, const std::string &close, const std::string &text)
{
    const std::optional<SectionSpan> span = FindSection(open, close, text);
    if (!span)
        return {};
    return text.substr(span->BodyBegin, span->BodyEnd - span->BodyBegin);
}

void ReplaceSection(const std::string &open, const std::string &close, const std::vector<std::string> &rows,
                    std::string &text)
{
    const std::optional<SectionSpan> span = FindSection(open, close, text);
    if (!span)
        return;
    const std::string joined = JoinRows(rows);
    RequireSheetSize(text.size() - (span->End - span->Begin) + joined.size());
    text.replace(span->Begin, span->End - span->Begin, joined);
}

void ExpandSections(const std::string &open, const std::string &close, const RowBuilder &build, std::string &text)
{
    if (open.empty())
        return;
    // The text as it stands is `Done` followed by text[Copied, end). Sections are expanded by
    // appending to `Done`, so a template with many sections is not moved once per section; the
    // part not reached yet is read where it stands in the original text.
    ExpandedText current(close, text);
    size_t at;
    while ((at = text.find(open, current.Copied)) != std::string::npos) {
        const size_t bodyBegin = at + open.size();
        const size_t closeAt = current.FirstCloseAfterDone();
        size_t bodyEnd;
        size_t end;
        if (closeAt == std::string::npos || closeAt < bodyBegin) {
            // The section runs up to the last character of the text, which stays.
            const size_t last = text.size() - 1;
            bodyEnd = std::max(bodyBegin, last);
            end = last;
        } else {
            bodyEnd = closeAt;
            end = closeAt + close.size();
        }
        current.Append(text.substr(current.Copied, at - current.Copied));
        current.Append(JoinRows(build(text.substr(bodyBegin, bodyEnd - bodyBegin))));
        current.Copied = end;
        if (end <= at) // a one-character open tag at the very end: it stays, and is not expanded again
            break;
        RequireSheetSize(current.Done.size() + text.size() - current.Copied);
    }
    current.Finish();
}

void ApplyCondition(const std::string &open, const std::string &close, bool keep, std::string &text)
{
    if (keep) {
        ReplaceToken(open, "", text);
        ReplaceToken(close, "", text);
    } else {
        ExpandSections(
            open, close, [](const std::string &) { return std::vector<std::string>{}; }, text);
    }
}

} // namespace aw
