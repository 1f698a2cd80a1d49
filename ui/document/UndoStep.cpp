#include "ui/document/UndoStep.h"

namespace {
// Every step shares one id; mergeWith decides by the merge key.
constexpr int kSnapshotStepId = 0x4157;
} // namespace

TUndoStep::TUndoStep(TUndoState before, TUndoState after, const QString &name, QString mergeKey, TRestorer restore,
                     TChangeReport report)
    : QUndoCommand(name)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_mergeKey(std::move(mergeKey))
    , m_restore(std::move(restore))
    , m_report(std::move(report))
{
}

void TUndoStep::undo()
{
    m_restore(m_before);
    m_report(m_after, m_before);
}

void TUndoStep::redo()
{
    // Pushed: the design already is in the after state.
    if (!m_done)
        m_restore(m_after);
    m_done = false;
    m_report(m_before, m_after);
}

int TUndoStep::id() const
{
    return m_mergeKey.isEmpty() ? -1 : kSnapshotStepId;
}

bool TUndoStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const TUndoStep *>(other);
    if (!next || next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // Typed and typed back: the step changes nothing and leaves the history.
    setObsolete(m_after.Snapshot == m_before.Snapshot);
    m_report(m_before, m_after);
    return true;
}
