#include "ui/document/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

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
    Change([&](QStringList &paths) {
        paths.removeAll(full);
        paths.prepend(full);
    });
}

void RecentFiles::Remove(const QString &path)
{
    const QString full = Normalised(path);
    if (m_paths.contains(full))
        Change([&](QStringList &paths) { paths.removeAll(full); });
}

void RecentFiles::Change(const std::function<void(QStringList &)> &change)
{
    // The stored list is changed at once, not at the end: every window and every editor
    // started (Create Variant!) adds to the same list, and none wipes what another added.
    QSettings settings;
    settings.sync();
    QStringList paths = settings.value(kKey).toStringList();
    paths.removeAll(QString());
    for (const QString &shown : std::as_const(m_paths)) // ours, should the settings be out of reach
        if (!paths.contains(shown))
            paths << shown;
    change(paths);
    while (paths.size() > Capacity)
        paths.removeLast();
    settings.setValue(kKey, paths);
    m_paths = paths;
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

} // namespace aw
