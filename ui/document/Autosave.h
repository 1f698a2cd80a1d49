#pragma once

#include "ui/document/RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QLockFile;
class TVehicleDocument;

// Keeps a recovery copy of the open design while it has unsaved changes: the first change
// after a pause is written at once, later ones every two minutes while changes go on. The
// copy goes to this session's own file in the recovery folder, never to the design's file,
// and is removed when the design is saved or becomes unchanged and when the program ends
// cleanly. After a crash the next start finds it (RecoveryOffer.h).
class TAutosave : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 2 * 60 * 1000;

    TAutosave(TVehicleDocument &document, const QString &folder, QObject *parent = nullptr);
    // A clean exit: the recovery files go.
    ~TAutosave() override;

    // Setting it while an interval runs starts that interval again with the new length.
    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    // True while later changes wait for the interval to end; false after a pause.
    bool IntervalRunning() const { return m_timer.isActive(); }
    // Writes the recovery copy now when the design has unsaved changes; false when nothing
    // was written.
    bool WriteNow();

    // This session's recovery file.
    QString DesignPath() const;

signals:
    void written();

private:
    void DocumentEdited();
    void IntervalEnded();
    void RemoveFiles();

    TVehicleDocument &m_document;
    TRecoveryStore m_store;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    bool m_changedSinceWrite = false;
    bool m_writePending = false;
};
