#include "ui/document/Autosave.h"

#include "base/ArmorwrightError.h"
#include "base/Files.h"
#include "base/Utf8Path.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/NativePath.h"
#include "ui/document/BackgroundWrite.h"
#include "ui/document/UndoSnapshot.h"
#include "ui/document/VehicleDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QtGlobal>

#include <utility>

namespace aw {

Autosave::Autosave(VehicleDocument &document, const QString &folder, QObject *parent)
    : QObject(parent), m_document(document), m_store(folder), m_session(QStringLiteral("session-%1-%2")
                                                                            .arg(QCoreApplication::applicationPid())
                                                                            .arg(QDateTime::currentMSecsSinceEpoch()))
{
    try {
        CreateFolders(PathFromUtf8(folder.toStdString()));
    } catch (const ArmorwrightError &error) {
        m_folderTrouble = QString::fromStdString(ErrorUtf8(error)); // said at the first change
    }
    m_lock = std::make_unique<QLockFile>(m_store.LockPath(m_session));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0); // when it cannot be taken, the first change says so

    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultIntervalMs);
    ConnectGuarded(&m_timer, &QTimer::timeout, this, &Autosave::IntervalEnded);
    ConnectGuarded(&m_running, &QFutureWatcherBase::finished, this, &Autosave::WriteFinished);
    ConnectGuarded(&document, &VehicleDocument::Edited, this, &Autosave::DocumentEdited);
    ConnectGuarded(&document, &VehicleDocument::ModifiedChanged, this, [this](bool modified) {
        if (!modified)
            RemoveFiles();
    });
}

Autosave::~Autosave()
{
    m_waiting = nullptr;
    m_running.waitForFinished();
    RemoveFiles();
}

QString Autosave::DesignPath() const { return m_store.DesignPath(m_session); }

void Autosave::ReportTrouble(const QString &reason)
{
    qWarning("%s", qPrintable(reason));
    if (!std::exchange(m_troubleReported, true))
        emit CannotKeepChanges(reason);
}

void Autosave::DocumentEdited()
{
    if (!m_lock->isLocked())
        ReportTrouble(QStringLiteral("The recovery folder \"%1\" cannot be used.%2")
                          .arg(m_store.Folder(), m_folderTrouble.isEmpty() ? QString() : ' ' + m_folderTrouble));
    if (m_timer.isActive()) {
        m_changedSinceWrite = true;
        return;
    }
    // The first change after a pause: written as soon as its handler has finished.
    m_timer.start();
    if (m_writePending)
        return;
    m_writePending = true;
    PostGuarded(this, [this] {
        m_writePending = false;
        WriteNow();
    });
}

void Autosave::IntervalEnded()
{
    if (!m_changedSinceWrite)
        return; // a pause: the next change is written at once
    m_changedSinceWrite = false;
    WriteNow();
    m_timer.start();
}

bool Autosave::WriteNow()
{
    if (!m_document.Modified() || !m_lock->isLocked())
        return false;
    const QString target = DesignPath();
    const QString source = m_document.FileName();
    if (IsTheDesignsOwnFile(target))
        return false;
    std::shared_ptr<const Vehicle> copy = CopyDesign(m_document.Design());
    Start([copy, design = ToNativePath(target), note = ToNativePath(m_store.SourceNotePath(m_session)),
           sourceText =
               RecoveryStore::SourceNote(source, m_document.KnownFileStamp(), m_document.FileHoldsALeftOutPicture())
                   .toStdString()] {
        WriteFileAtomically(note, sourceText);
        SaveDesignFile(*copy, design);
    });
    return true;
}

bool Autosave::FinishWrites()
{
    while (m_writing) {
        m_running.waitForFinished();
        WriteFinished();
    }
    return !m_lastWriteFailed;
}

void Autosave::Start(Write write)
{
    if (m_writing) {
        m_waiting = std::move(write);
        return;
    }
    m_writing = true;
    m_running.setFuture(StartBackgroundWrite(std::move(write)));
}

void Autosave::WriteFinished()
{
    // Also reached for a write whose outcome FinishWrites has taken already.
    if (!m_writing || !m_running.future().isFinished())
        return;
    m_writing = false;
    const std::exception_ptr error = m_running.result();
    m_lastWriteFailed = error != nullptr;
    if (std::exchange(m_removeWhenWritten, false)) {
        DeleteFiles();
    } else if (error) {
        // An autosave that fails must not get in the way of the editing: it is said once, and
        // the copy is tried again when the interval ends, whether or not the design changes
        // meanwhile (a copy already waiting goes first and may do instead).
        try {
            std::rethrow_exception(error);
        } catch (const std::exception &e) {
            ReportTrouble(QString::fromStdString(ErrorUtf8(e)));
        } catch (...) {
            ReportTrouble(QStringLiteral("The recovery copy could not be written."));
        }
        m_changedSinceWrite = true;
        if (!m_timer.isActive())
            m_timer.start();
    } else {
        emit Written();
    }
    if (m_waiting)
        Start(std::exchange(m_waiting, nullptr));
}

void Autosave::RemoveFiles()
{
    m_timer.stop();
    m_changedSinceWrite = false;
    m_waiting = nullptr;
    // The copy being written would bring the file back.
    m_removeWhenWritten = m_writing;
    DeleteFiles();
}

bool Autosave::IsTheDesignsOwnFile(const QString &path) const
{
    // The user may have saved the design under the copy's name: then it is never touched.
    const QString own = m_document.FileName();
    return !own.isEmpty() && QFileInfo(own).absoluteFilePath() == QFileInfo(path).absoluteFilePath();
}

void Autosave::DeleteFiles()
{
    if (!IsTheDesignsOwnFile(DesignPath()))
        QFile::remove(DesignPath());
    QFile::remove(m_store.SourceNotePath(m_session));
}

} // namespace aw
