#include "ui/NativePath.h"

#include <QFile>

namespace aw {

std::string ToNativePath(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString FromNativePath(const std::string &path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

} // namespace aw
