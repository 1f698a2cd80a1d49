#include "ui/Autosave.h"

#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "engine/base/Files.h"
#include "ui/CommandGuard.h"
#include "ui/NativePath.h"
#include "ui/VehicleDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QtGlobal>

TAutosave::TAutosave(TVehicleDocument &document, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_store(folder)
    , m_session(QStringLiteral("session-%1-%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch()))
{
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(m_store.LockPath(m_session));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        qWarning("The recovery folder %s cannot be used", qPrintable(folder));

    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultIntervalMs);
    ConnectGuarded(&m_timer, &QTimer::timeout, this, &TAutosave::IntervalEnded);
    ConnectGuarded(&document, &TVehicleDocument::edited, this, &TAutosave::DocumentEdited);
    ConnectGuarded(&document, &TVehicleDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            RemoveFiles();
    });
}

TAutosave::~TAutosave()
{
    RemoveFiles();
}

QString TAutosave::DesignPath() const
{
    return m_store.DesignPath(m_session);
}

void TAutosave::DocumentEdited()
{
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

void TAutosave::IntervalEnded()
{
    if (!m_changedSinceWrite)
        return; // a pause: the next change is written at once
    m_changedSinceWrite = false;
    WriteNow();
    m_timer.start();
}

bool TAutosave::WriteNow()
{
    if (!m_document.Modified() || !m_lock->isLocked())
        return false;
    const QString target = DesignPath();
    const QString source = m_document.FileName();
    // Never over the user's own file, whatever it is called.
    if (!source.isEmpty() && QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return false;
    try {
        WriteFileAtomically(ToNativePath(m_store.SourceNotePath(m_session)), source.toUtf8().toStdString());
        SaveDesignFile(m_document.Vehicle(), ToNativePath(target));
    } catch (const std::exception &error) {
        // An autosave that fails must not get in the way of the editing; the next one tries again.
        qWarning("Autosave failed: %s", error.what());
        return false;
    }
    emit written();
    return true;
}

void TAutosave::RemoveFiles()
{
    m_timer.stop();
    m_changedSinceWrite = false;
    QFile::remove(DesignPath());
    QFile::remove(m_store.SourceNotePath(m_session));
}
