#include "ui/document/FileStamp.h"

#include <QFileInfo>
#include <QStringList>

namespace aw {

FileStamp FileStamp::Of(const QString &path)
{
    const QFileInfo info(path);
    return {info.size(), info.fileTime(QFileDevice::FileModificationTime)};
}

bool FileStamp::ChangedSince(const QString &path, const std::optional<FileStamp> &known)
{
    return known && !path.isEmpty() && QFileInfo::exists(path) && Of(path) != *known;
}

QString FileStamp::ToText() const
{
    return QString::number(Size) + QLatin1Char(' ') + QString::number(Modified.toMSecsSinceEpoch());
}

std::optional<FileStamp> FileStamp::FromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    bool sizeRead = false, timeRead = false;
    FileStamp stamp;
    if (parts.size() == 2) {
        stamp.Size = parts[0].toLongLong(&sizeRead);
        stamp.Modified = QDateTime::fromMSecsSinceEpoch(parts[1].toLongLong(&timeRead));
    }
    if (!sizeRead || !timeRead)
        return std::nullopt;
    return stamp;
}

} // namespace aw
