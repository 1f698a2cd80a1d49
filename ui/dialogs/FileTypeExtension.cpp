#include "ui/dialogs/FileTypeExtension.h"

#include <QStringList>

namespace aw {

namespace {

// "vkd" of "*.vkd"; none of "*.*" or "*".
QStringList ExtensionsOf(const QString &patterns)
{
    QStringList extensions;
    for (const QString &part : patterns.split(';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        const QString extension = pattern.mid(2);
        if (pattern.startsWith(QStringLiteral("*.")) && !extension.isEmpty() && !extension.contains('*') &&
            !extension.contains('?'))
            extensions << extension;
    }
    return extensions;
}

} // namespace

QString WithFileTypeExtension(const QString &path, const QString &filter, int fileType)
{
    const QStringList parts = filter.split('|');
    // A name in one of the types offered, the one chosen or another, was named so on purpose.
    for (qsizetype patterns = 1; patterns < parts.size(); patterns += 2) {
        for (const QString &extension : ExtensionsOf(parts[patterns])) {
            if (path.endsWith('.' + extension, Qt::CaseInsensitive))
                return path;
        }
    }
    const qsizetype chosen = 2 * qsizetype(fileType) + 1;
    const QStringList extensions = fileType >= 0 && chosen < parts.size() ? ExtensionsOf(parts[chosen]) : QStringList();
    return extensions.isEmpty() ? path : path + '.' + extensions.first();
}

} // namespace aw
