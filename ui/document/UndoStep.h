#pragma once

#include "ui/document/UndoSnapshot.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <string>

namespace aw {

// A design at one point of the history with the two results the change line shows.
struct UndoState {
    DesignSnapshot Snapshot;
    double ThreatValue = 0;
    long double FinalCost = 0;
    std::string CurrencyName;
};

// One step of the undo history: the design before and after a change. The change has
// already been made when the step is pushed, so its first redo does nothing.
// Steps with the same merge key follow one another into one step (typing in one box).
class UndoStep : public QUndoCommand {
public:
    // Puts the design into a state; shows a change from one state to another.
    using Restorer = std::function<void(const UndoState &)>;
    using ChangeReport = std::function<void(const UndoState &from, const UndoState &to)>;

    // leftModified: the design counted as modified once the change was made (some changes
    // leave the flag alone).
    UndoStep(UndoState before, UndoState after, const QString &name, QString mergeKey, bool leftModified,
             Restorer restore, ChangeReport report);

    bool LeftModified() const { return m_leftModified; }

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    UndoState m_before;
    UndoState m_after;
    QString m_mergeKey;
    bool m_leftModified;
    Restorer m_restore;
    ChangeReport m_report;
    bool m_done = true;
};

} // namespace aw
