#pragma once

#include "ui/document/FileStamp.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

namespace aw {

// One session's recovery file: the unsaved design as a design file, the path of the file it
// belongs to, and the lock that says its session is still running.
struct RecoveryFile {
    QString DesignPath;                   // <folder>/<session>.vkd
    QString SourcePath;                   // the design's own file; empty for a design never saved
    std::optional<FileStamp> SourceStamp; // that file as the session knew it, when it knew it
    bool SourcePictureLeftOut = false;    // that file holds a picture the session could not show
    QString DesignName;
    QString Damage; // why the copy cannot be read; empty when it can
    QDateTime Saved;
    std::shared_ptr<QLockFile> Lock; // held while this session deals with the file
};

// The folder of recovery files: each running editor keeps its unsaved design there as
// <session>.vkd with <session>.txt (the design's own file, see SourceNote) and <session>.lock
// (held while it runs). Files whose lock nobody holds were left by a session that did not end
// cleanly.
class RecoveryStore {
public:
    // The recovery folder in the user's data folder.
    static QString DefaultFolder();

    explicit RecoveryStore(QString folder);

    const QString &Folder() const { return m_folder; }
    QString DesignPath(const QString &session) const;
    QString SourceNotePath(const QString &session) const;
    QString LockPath(const QString &session) const;

    // The recovery files of sessions that are no longer running, oldest first, each locked
    // for the caller so that no other editor offers it at the same time.
    QList<RecoveryFile> Orphans() const;

    // Deletes a recovery file with its note; its lock goes when the last copy of it does.
    static void Remove(const RecoveryFile &file);

    // The note's text: the stamp of the design's own file (when known) on the first line, with
    // a mark when that file holds a picture the session could not show, then its path as it
    // is, spaces at either end included.
    static QByteArray SourceNote(const QString &sourcePath, const std::optional<FileStamp> &stamp, bool pictureLeftOut);

private:
    QString m_folder;
};

} // namespace aw
