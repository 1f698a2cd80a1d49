#include "ui/Cp1252.h"

#include "storage/Cp1252Utf8.h"

#include <QList>

namespace cp1252 {

QString ToQt(const std::string &text)
{
    return QString::fromStdString(ToUtf8(text));
}

std::string FromQt(const QString &text)
{
    std::string out;
    char32_t bad = 0;
    if (FromUtf8(text.toStdString(), out, bad))
        return out;
    // Some character has no Windows-1252 byte: convert one character at a time.
    out.clear();
    for (const char32_t code : text.toUcs4()) {
        std::string one;
        out += FromUtf8(QString::fromUcs4(&code, 1).toStdString(), one, bad) ? one : std::string("?");
    }
    return out;
}

QString MessageToQt(const std::string &message)
{
    return QString::fromStdString(MessageToUtf8(message));
}

} // namespace cp1252
