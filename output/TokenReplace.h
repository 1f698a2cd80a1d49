#pragma once

#include <functional>
#include <string>
#include <vector>

namespace aw {

// The template engine: string operations that fill a sheet template. Tokens are words
// between vertical bars ("|NAME|"); a width token carries a column count before its closing
// bar ("|WEPNAME25|"), an indexed token a row number ("|WEPSR3|"); sections are text between
// an opening tag and its closing tag ("|WEAPONS|" ... "|/WEAPONS|").
//
// Text inserted by a call is never searched again by that same call (so a value holding its
// own token cannot loop); later calls do search it, which is how a designer's note containing
// "|NAME|" shows the vehicle name. Every operation throws SheetTooLarge (SheetTooLarge.h)
// rather than let the text grow beyond kMaxSheetText characters.

// Replaces every occurrence of token (found left to right, non-overlapping) by value.
void ReplaceToken(const std::string &token, const std::string &value, std::string &text);

// The widest column a width token fills. A template asking for more (a typing slip such as
// "|NAME2000000|") gets this many columns rather than megabytes of spaces.
inline constexpr int kMaxTokenWidth = 10000;

// The value cut on the right or padded with spaces on the right to exactly width characters,
// with the width cut to kMaxTokenWidth.
std::string FitToWidth(const std::string &value, int width);

// Replaces every width token that starts with prefix ("|WEPNAME") and ends with terminator
// by the value fitted to the width written between them. Digits inside the token make the
// width; any other character there is dropped. An occurrence that begins one of
// longerPrefixes is left alone: it belongs to that longer name ("|ARMORx2" is never "|ARMOR").
// An occurrence with no terminator after it stays as it is. Throws ConvertError when a
// token holds no digits or more than a 32-bit width, and SheetTooLarge when it asks for more
// columns than a whole sheet may hold.
void ReplaceWidthToken(const std::string &prefix, const std::string &terminator, const std::string &value,
                       std::string &text, const std::vector<std::string> &longerPrefixes = {});

// Replaces every indexed token that starts with prefix ("|WEPSR") by the row it addresses:
// "|WEPSR3|" is list[2]; a number outside 1..list size gives the empty text. Throws
// ConvertError when the text before the closing bar is not a whole number. Callers apply
// longer names first ("|WEPSROF" before "|WEPSR"). An occurrence with no closing bar after it
// stays as it is.
void ReplaceIndexedToken(const std::string &prefix, const std::vector<std::string> &list, std::string &text);

// The body of the first section: from right after the first open tag to right before the first
// close tag of the text. When the close tag is missing or stands before the open tag, the body
// runs up to, but not including, the last character of the text. Empty when open is missing.
std::string SectionBody(const std::string &open, const std::string &close, const std::string &text);

// Replaces the first section, tags included, by the rows joined together. When the close tag
// is missing or stands before the open tag, the last character of the text is kept after the
// rows. No change when the open tag is missing.
void ReplaceSection(const std::string &open, const std::string &close, const std::vector<std::string> &rows,
                    std::string &text);

// Builds the rows of a repeated section from a copy of its body.
using RowBuilder = std::function<std::vector<std::string>(const std::string &body)>;

// Expands every occurrence of the section, first occurrence first, each with the rows built
// from its own body. The search for the next occurrence resumes after the inserted rows.
void ExpandSections(const std::string &open, const std::string &close, const RowBuilder &build, std::string &text);

// A conditional section: kept deletes both tags everywhere and leaves the content; otherwise
// every occurrence is removed together with its content.
void ApplyCondition(const std::string &open, const std::string &close, bool keep, std::string &text);

} // namespace aw
