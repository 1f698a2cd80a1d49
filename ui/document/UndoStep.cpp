#include "ui/document/UndoStep.h"

namespace aw {

namespace {
// Every step shares one id; mergeWith decides by the merge key.
constexpr int kSnapshotStepId = 0x4157;
} // namespace

UndoStep::UndoStep(UndoState before, UndoState after, const QString &name, QString mergeKey, bool leftModified,
                   Restorer restore, ChangeReport report)
    : QUndoCommand(name), m_before(std::move(before)), m_after(std::move(after)), m_mergeKey(std::move(mergeKey)),
      m_leftModified(leftModified), m_restore(std::move(restore)), m_report(std::move(report))
{
}

void UndoStep::undo()
{
    m_restore(m_before);
    m_report(m_after, m_before);
}

void UndoStep::redo()
{
    // Pushed: the design already is in the after state.
    if (!m_done)
        m_restore(m_after);
    m_done = false;
    m_report(m_before, m_after);
}

int UndoStep::id() const { return m_mergeKey.isEmpty() ? -1 : kSnapshotStepId; }

bool UndoStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const UndoStep *>(other);
    if (!next || next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    m_leftModified = next->m_leftModified;
    // Typed and typed back: the step changes nothing and leaves the history.
    setObsolete(m_after.Snapshot == m_before.Snapshot);
    m_report(m_before, m_after);
    return true;
}

} // namespace aw
