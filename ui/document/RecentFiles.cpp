#include "ui/document/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace aw {

namespace {
const QString kKey = QStringLiteral("recentFiles");

QString Normalised(const QString &path)
{
    const QFileInfo info(path);
    return info.absoluteFilePath();
}
} // namespace

RecentFiles::RecentFiles(QObject *parent) : QObject(parent) {}

void RecentFiles::Add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString full = Normalised(path);
    m_paths.removeAll(full);
    m_paths.prepend(full);
    while (m_paths.size() > Capacity)
        m_paths.removeLast();
    emit Changed();
}

void RecentFiles::Remove(const QString &path)
{
    if (m_paths.removeAll(Normalised(path)) > 0)
        emit Changed();
}

void RecentFiles::Load()
{
    QSettings settings;
    const QStringList stored = settings.value(kKey).toStringList();
    // Files used before the list was read (a design named on the command line) stay newest.
    for (const QString &path : stored) {
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < Capacity)
            m_paths << path;
    }
    emit Changed();
}

void RecentFiles::Save() const
{
    QSettings settings;
    settings.setValue(kKey, m_paths);
}

} // namespace aw
