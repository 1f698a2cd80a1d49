#include "ui/widgets/MemoText.h"

#include "ui/Cp1252.h"

#include <cstring>

namespace aw {

QString MemoText(const std::string &stored)
{
    QString text = cp1252::ToQt(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string StoredMemoText(const QString &memo)
{
    // A note may hold megabytes and is stored again at every key: one conversion, then its
    // lines are copied whole, each line end given its CR (a CR LF already there stays).
    const std::string bytes = cp1252::FromQt(memo);
    const char *const end = bytes.data() + bytes.size();
    const auto nextLineEnd = [end](const char *from) {
        const void *found = std::memchr(from, '\n', static_cast<size_t>(end - from));
        return found ? static_cast<const char *>(found) : end;
    };
    size_t lineEnds = 0;
    for (const char *at = nextLineEnd(bytes.data()); at != end; at = nextLineEnd(at + 1))
        ++lineEnds;
    std::string stored;
    stored.reserve(bytes.size() + lineEnds);
    for (const char *line = bytes.data(); line != end;) {
        const char *lineEnd = nextLineEnd(line);
        stored.append(line, lineEnd);
        if (lineEnd == end)
            break;
        if (lineEnd == bytes.data() || lineEnd[-1] != '\r')
            stored += '\r';
        stored += '\n';
        line = lineEnd + 1;
    }
    return stored;
}

} // namespace aw
