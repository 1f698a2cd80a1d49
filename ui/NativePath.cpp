#include "ui/NativePath.h"

#include "base/Utf8Path.h"

#include <QFile>

namespace aw {

// On Windows Qt's encodeName gives the ANSI code page, which cannot hold every name; the core
// takes UTF-8 there and hands it to the system as UTF-16.
std::string ToNativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toUtf8().toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString FromNativePath(const std::string &path)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}

std::filesystem::path ToFileSystemPath(const QString &path) { return PathFromUtf8(ToNativePath(path)); }

QString FromFileSystemPath(const std::filesystem::path &path) { return FromNativePath(Utf8FromPath(path)); }

} // namespace aw
