#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

namespace aw {

// The design files used last, newest first, remembered between runs in the user's
// settings. A path appears once; the list holds at most Capacity entries.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int Capacity = 8;

    explicit RecentFiles(QObject *parent = nullptr);

    const QStringList &Paths() const { return m_paths; }
    // Puts path at the head of the list, or takes it out; the stored list (QSettings) is
    // changed at once and shown as it then stands, with what other windows added.
    void Add(const QString &path);
    void Remove(const QString &path);

    // Reads the stored list; its paths come after those already added.
    void Load();

signals:
    void Changed();

private:
    void Change(const std::function<void(QStringList &)> &change);

    QStringList m_paths;
};

} // namespace aw
