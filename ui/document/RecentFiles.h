#pragma once

#include <QObject>
#include <QStringList>

namespace aw {

// The design files used last, newest first, remembered between runs in the user's
// settings. A path appears once; the list holds at most Capacity entries.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int Capacity = 8;

    explicit RecentFiles(QObject *parent = nullptr);

    const QStringList &Paths() const { return m_paths; }
    // Puts path at the head of the list.
    void Add(const QString &path);
    void Remove(const QString &path);

    // Reads and writes the list in the user's settings (QSettings). Load puts the stored
    // paths after those already added.
    void Load();
    void Save() const;

signals:
    void Changed();

private:
    QStringList m_paths;
};

} // namespace aw
