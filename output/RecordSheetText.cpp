#include "output/RecordSheetText.h"

#include <array>

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 matches Latin-1. The five
// unassigned bytes map to the C1 control of the same value, as the Windows decoder does.
static constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString SheetTextToUnicode(const std::string &text)
{
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result.append(QChar(byte >= 0x80 && byte <= 0x9F ? kHighBlock[byte - 0x80] : char16_t(byte)));
    }
    return result;
}
