#include "ui/widgets/MemoText.h"

#include "ui/Cp1252.h"

#include <algorithm>

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
    std::string stored;
    stored.reserve(bytes.size() + static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    size_t line = 0;
    for (size_t lineEnd; (lineEnd = bytes.find('\n', line)) != std::string::npos; line = lineEnd + 1) {
        stored.append(bytes, line, lineEnd - line);
        if (lineEnd == 0 || bytes[lineEnd - 1] != '\r')
            stored += '\r';
        stored += '\n';
    }
    stored.append(bytes, line);
    return stored;
}

} // namespace aw
