#pragma once

#include "storage/Roster.h"
#include "storage/RosterEvaluation.h"
#include "ui/document/FileStamp.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>

class QFileSystemWatcher;
class QUndoStack;

namespace aw {

// The roster open in a roster window: its entries, its file, its undo history and the
// summaries of its designs, read again whenever a design file changes or a missing one
// appears. Every edit is one
// undo step holding the roster before and after it.
class RosterDocument : public QObject {
    Q_OBJECT
public:
    explicit RosterDocument(QObject *parent = nullptr);

    const Roster &Contents() const { return m_roster; }
    const RosterEvaluation &Evaluation() const { return m_evaluation; }
    QString FileName() const { return m_fileName; }
    bool Modified() const;
    // Whether the roster file was written by someone else since it was opened or saved here.
    bool FileChangedElsewhere() const;
    QUndoStack *UndoStack() const { return m_undo; }

    // Reads a roster file, replacing this roster and clearing the history; throws (changing
    // nothing) when the file cannot be read.
    void Open(const QString &path);
    // Writes the roster to path, then takes it as the file name and marks the state saved.
    void SaveTo(const QString &path);

    // Edits, each one undo step; an edit that changes nothing adds no step.
    void AddDesigns(const QStringList &paths);
    void RemoveEntry(int row);
    void MoveEntry(int row, int to);
    void SetQuantity(int row, int quantity);
    void SetNote(int row, const QString &note);
    void SetName(const QString &name);
    void SetBudget(std::optional<double> budget);

    // Reads the design at path again when it is in the roster (the editor saved it).
    void RefreshDesign(const QString &path);
    // Reads again the designs below folder (anywhere when it is empty) whose file changed,
    // came or went since it was read.
    void RefreshDesignsIn(const QString &folder);

signals:
    // The roster or the figures of its designs changed: everything shown must be shown again.
    void Changed();
    void ModifiedChanged(bool modified);

private:
    friend class RosterEdit;
    void Apply(Roster after, const QString &text);
    // Sets the roster (an edit, its undo or an opened file) and shows it.
    void Replace(Roster roster);
    void Reevaluate();
    void WatchDesigns();
    const DesignSummary &SummaryOf(const std::string &path);

    Roster m_roster;
    RosterEvaluation m_evaluation;
    QString m_fileName;
    std::optional<FileStamp> m_fileStamp; // of the file as last read or written here
    QUndoStack *m_undo;
    QFileSystemWatcher *m_watcher;
    std::map<std::string, DesignSummary> m_summaries; // by design path, read once until it changes
};

} // namespace aw
