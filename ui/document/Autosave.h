#pragma once

#include "ui/document/RecoveryStore.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <exception>
#include <functional>
#include <memory>

class QLockFile;
namespace aw {

class VehicleDocument;

// Keeps a recovery copy of the open design while it has unsaved changes: the first change
// after a pause is written at once, later ones every two minutes while changes go on; a copy
// that could not be written is tried again when the two minutes end, changed or not. The
// copy goes to this session's own file in the recovery folder, never to the design's file,
// and is removed when the design is saved or becomes unchanged and when the program ends
// cleanly. After a crash the next start finds it (RecoveryOffer.h).
// The window only takes a copy of the design; a worker thread encodes and writes it, one
// copy at a time.
class Autosave : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 2 * 60 * 1000;

    Autosave(VehicleDocument &document, const QString &folder, QObject *parent = nullptr);
    // A clean exit: waits for a copy being written, then the recovery files go.
    ~Autosave() override;

    // Setting it while an interval runs starts that interval again with the new length.
    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    // True while later changes wait for the interval to end; false after a pause.
    bool IntervalRunning() const { return m_timer.isActive(); }
    // Hands a copy of the design to the worker thread when it has unsaved changes; false when
    // there is nothing to write. written() follows once the copy is on disk. While a copy is
    // being written the next one waits, and a newer one takes the place of one still waiting.
    bool WriteNow();
    // Returns once every copy handed over is written; false when the last one failed.
    bool FinishWrites();

    // This session's recovery file.
    QString DesignPath() const;

signals:
    void Written();
    // The changes cannot be kept for recovery (the folder cannot be used, a write failed);
    // said once a session, at the first change that finds it so.
    void CannotKeepChanges(const QString &reason);

private:
    void ReportTrouble(const QString &reason);

    // A copy of the design and where it goes, written on the worker thread.
    using Write = std::function<void()>;

    void DocumentEdited();
    void IntervalEnded();
    void Start(Write write);
    void WriteFinished();
    // Nothing left to recover: no file, no copy waiting, no interval.
    void RemoveFiles();
    void DeleteFiles();
    bool IsTheDesignsOwnFile(const QString &path) const;

    VehicleDocument &m_document;
    RecoveryStore m_store;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    bool m_changedSinceWrite = false;
    bool m_writePending = false;
    QFutureWatcher<std::exception_ptr> m_running;
    bool m_writing = false; // until the outcome of the running write is taken
    Write m_waiting;
    // The files were removed while a copy was being written: they go again once it is.
    bool m_removeWhenWritten = false;
    bool m_lastWriteFailed = false;
    bool m_troubleReported = false;
    QString m_folderTrouble; // why the recovery folder could not be made
};

} // namespace aw
