#include "ui/widgets/MemoText.h"

#include "ui/Cp1252.h"

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
    QString text = memo;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return cp1252::FromQt(text);
}

} // namespace aw
