#include "ui/Cp1252.h"

#include "base/Cp1252.h"

namespace aw {

namespace cp1252 {

QString ToQt(const std::string &text) { return QString::fromStdU16String(ToUtf16(text)); }

std::string FromQt(const QString &text)
{
    // Read in place: a note of megabytes is converted at every key typed.
    return FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())));
}

bool Holds(const QString &text) { return ToQt(FromQt(text)) == text; }

QString Storable(const QString &text)
{
    if (Holds(text))
        return text;
    QString storable;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += character.size();
        if (Holds(character)) {
            storable += character;
            continue;
        }
        const QString parts = character.normalized(QString::NormalizationForm_D);
        if (parts.size() > 1 && parts[0].isLetter() && Holds(parts.left(1)))
            storable += parts[0];
        else if (character == QChar(0x0131)) // the dotless i has no parts
            storable += QLatin1Char('i');
    }
    return storable;
}

bool ContainsIgnoringCase(const QString &text, const QString &wanted)
{
    // A search whose letters Windows-1252 lacks would lose them ("戦車" becomes "" and finds
    // everything): it is made on the texts as they are.
    const QString storableWanted = Storable(wanted);
    if (storableWanted.size() != wanted.size())
        return text.contains(wanted, Qt::CaseInsensitive);
    return Storable(text).contains(storableWanted, Qt::CaseInsensitive);
}

} // namespace cp1252

} // namespace aw
