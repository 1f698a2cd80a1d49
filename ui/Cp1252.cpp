#include "ui/Cp1252.h"

#include <QByteArray>
#include <QStringDecoder>

namespace cp1252 {

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined,
// which are kept as the C1 control of the same number so they survive a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0)
        return kHigh[byte - 0x80];
    return byte;
}

char fromUnicode(char16_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == code || (kHigh[i] == 0 && code == 0x80 + i))
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString ToQt(const std::string &text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        out.append(QChar(toUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string FromQt(const QString &text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += '?'; // one character outside the basic plane: one replacement
            ++i;
            continue;
        }
        out += fromUnicode(c.unicode());
    }
    return out;
}

QString MessageToQt(const std::string &message)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArray::fromStdString(message));
    if (!utf8.hasError())
        return text;
    return ToQt(message);
}

} // namespace cp1252
