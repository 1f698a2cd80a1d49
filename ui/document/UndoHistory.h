#pragma once

#include "ui/document/UndoStep.h"

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QEvent;
class QUndoStack;
namespace aw {

class Vehicle;
class VehicleDocument;

// The undo history of the open design, owned by its document. Every user change (each
// SetModified of an edit handler) becomes one step holding the design before and after it,
// recorded once the handler has finished (so the constraint pass's corrections belong to the
// step). New and Open clear the history; saving marks the clean state, and undoing or redoing
// back to it clears the Modified flag again.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    explicit UndoHistory(VehicleDocument &document);
    ~UndoHistory() override;

    QUndoStack *Stack() const { return m_stack; }

    // Records a change not yet recorded (one is recorded when the event loop comes round).
    void Flush();
    void Undo();
    void Redo();
    // Keeps the actions' captions ("Undo Armor change") and enabled states up to date.
    void BindActions(QAction *undo, QAction *redo);

    // The change line of the last change, undo or redo; empty before the first.
    QString LastChange() const { return m_lastChange; }

protected:
    // Watches the input: typing in a box merges into one step until the focus moves or
    // Return is pressed.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The design was set to an earlier or later state: every page must show it again.
    void Restored();
    void LastChangeChanged(const QString &text);

private:
    void DocumentEdited();
    void DesignReplaced();
    void DesignSaved();
    void IndexChanged();
    // Whether the steps from the saved state up to the current one all left the flag clear.
    bool OnlyUnmarkedChangesSinceSaved() const;
    void Restore(const UndoState &state);
    void ReportChange(const UndoState &from, const UndoState &to);
    // The state of a design body, with its results computed on a copy; the copy is kept for
    // naming the next change.
    UndoState StateOf(DesignSnapshot snapshot, std::unique_ptr<Vehicle> &copy) const;

    VehicleDocument &m_document;
    QUndoStack *m_stack;
    UndoState m_baseline; // the design as the last step left it
    std::unique_ptr<Vehicle> m_baselineCopy;
    QString m_lastChange;
    int m_focusEpoch = 0; // counts focus changes: typing in one box is one epoch
    int m_editEpoch = 0;
    bool m_typing = false;    // the input being handled is a key press
    bool m_editTyped = false; // the change to record came from typing
    bool m_saving = false;
    bool m_pending = false;
    bool m_showingNew = false; // a design just replaced is not yet shown
    bool m_restoring = false;
    bool m_restored = false;
};

} // namespace aw
