#include "ui/document/RecoveryStore.h"

#include "base/SettingsFolder.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace aw {

namespace {

const QString kDesignSuffix = QStringLiteral(".vkd");
const QString kNoteSuffix = QStringLiteral(".txt");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kPictureLeftOutMark = QStringLiteral("picture-left-out");

// Fills in the design's own file from a note. A note of an earlier version holds the path alone.
void ReadNote(const QString &path, RecoveryFile &file)
{
    QFile note(path);
    if (!note.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(note.readAll());
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    QString header = lineEnd < 0 ? QString() : text.left(lineEnd);
    file.SourcePictureLeftOut = header.endsWith(kPictureLeftOutMark);
    if (file.SourcePictureLeftOut)
        header = header.chopped(kPictureLeftOutMark.size()).trimmed();
    file.SourceStamp = lineEnd < 0 ? std::nullopt : FileStamp::FromText(header);
    const bool hasHeader = file.SourceStamp || file.SourcePictureLeftOut || text.startsWith(QLatin1Char('\n'));
    file.SourcePath = hasHeader ? text.mid(lineEnd + 1) : text;
}

// Removes the temporary files of writes a session that ended without cleaning up never
// finished; only the session's own lock makes that safe.
void RemoveUnfinishedWrites(const QString &folder, const QString &session)
{
    QDir dir(folder);
    for (const QString &name :
         dir.entryList({session + kDesignSuffix + QStringLiteral(".*"), session + kNoteSuffix + QStringLiteral(".*")},
                       QDir::Files))
        dir.remove(name);
}

} // namespace

QString RecoveryStore::DefaultFolder() { return FromNativePath(UserDataFolder()) + QStringLiteral("Recovery"); }

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryStore::DesignPath(const QString &session) const
{
    return QDir(m_folder).filePath(session + kDesignSuffix);
}

QString RecoveryStore::SourceNotePath(const QString &session) const
{
    return QDir(m_folder).filePath(session + kNoteSuffix);
}

QString RecoveryStore::LockPath(const QString &session) const { return QDir(m_folder).filePath(session + kLockSuffix); }

QList<RecoveryFile> RecoveryStore::Orphans() const
{
    // Locks left by sessions that ended with nothing unsaved go first.
    for (const QFileInfo &lockFile : QDir(m_folder).entryInfoList({QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString session = lockFile.completeBaseName();
        if (QFile::exists(DesignPath(session)))
            continue;
        QLockFile stale(lockFile.filePath());
        stale.setStaleLockTime(0);
        if (stale.tryLock(0)) {
            RemoveUnfinishedWrites(m_folder, session);
            QFile::remove(SourceNotePath(session));
            stale.unlock(); // removes it
        }
    }

    QList<RecoveryFile> found;
    QFileInfoList designs =
        QDir(m_folder).entryInfoList({QStringLiteral("*") + kDesignSuffix}, QDir::Files, QDir::Name);
    std::stable_sort(designs.begin(), designs.end(),
                     [](const QFileInfo &a, const QFileInfo &b) { return a.lastModified() < b.lastModified(); });
    for (const QFileInfo &design : designs) {
        const QString session = design.completeBaseName();
        auto lock = std::make_shared<QLockFile>(LockPath(session));
        // A running session holds its lock for hours: only a dead owner makes it stale.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        RemoveUnfinishedWrites(m_folder, session);
        RecoveryFile file;
        file.DesignPath = design.filePath();
        ReadNote(SourceNotePath(session), file);
        file.Saved = design.lastModified();
        file.Lock = std::move(lock);
        try {
            file.DesignName = cp1252::ToQt(LoadDesignFile(ToNativePath(file.DesignPath)).Design->Name);
        } catch (const std::exception &e) {
            // Still offered: the user may open the saved file instead, or discard it.
            file.Damage = QString::fromStdString(ErrorUtf8(e));
        }
        found << file;
    }
    return found;
}

void RecoveryStore::Remove(const RecoveryFile &file)
{
    const QFileInfo design(file.DesignPath);
    QFile::remove(file.DesignPath);
    QFile::remove(design.dir().filePath(design.completeBaseName() + kNoteSuffix));
}

QByteArray RecoveryStore::SourceNote(const QString &sourcePath, const std::optional<FileStamp> &stamp,
                                     bool pictureLeftOut)
{
    QStringList header;
    if (stamp)
        header << stamp->ToText();
    if (pictureLeftOut)
        header << kPictureLeftOutMark;
    return header.join(QLatin1Char(' ')).toUtf8() + '\n' + sourcePath.toUtf8();
}

} // namespace aw
