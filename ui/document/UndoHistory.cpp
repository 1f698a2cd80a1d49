#include "ui/document/UndoHistory.h"

#include "engine/DesignDiff.h"
#include "engine/DesignResults.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/document/UndoChangeText.h"
#include "ui/document/VehicleDocument.h"
#include "ui/widgets/TextBox.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QUndoStack>
#include <QWidget>

namespace aw {

namespace {
constexpr int kUndoLimit = 100;
} // namespace

UndoHistory::UndoHistory(VehicleDocument &document)
    : QObject(&document), m_document(document), m_stack(new QUndoStack(this))
{
    setObjectName(QStringLiteral("UndoHistory"));
    // Each step holds two design bodies (the picture and unchanged long texts are shared):
    // the oldest steps give way.
    m_stack->setUndoLimit(kUndoLimit);
    ConnectGuarded(&document, &VehicleDocument::Edited, this, &UndoHistory::DocumentEdited);
    ConnectGuarded(&document, &VehicleDocument::DesignReplaced, this, &UndoHistory::DesignReplaced);
    ConnectGuarded(&document, &VehicleDocument::FileUsed, this, &UndoHistory::DesignSaved);
    ConnectGuarded(m_stack, &QUndoStack::indexChanged, this, &UndoHistory::IndexChanged);
    qApp->installEventFilter(this);
    DesignReplaced();
}

UndoHistory::~UndoHistory() = default;

UndoState UndoHistory::StateOf(DesignSnapshot snapshot, std::unique_ptr<Vehicle> &copy) const
{
    copy = SnapshotDesign(snapshot);
    const DesignResults results = ComputeResults(*copy);
    return {std::move(snapshot), results.ThreatValue, results.FinalCost, copy->CurrencyName};
}

void UndoHistory::DesignReplaced()
{
    m_pending = false;
    m_stack->clear();
    // The window shows a new design after refreshing it, which lets the constraint pass
    // correct it; the history starts from the design as it will be shown.
    std::unique_ptr<Vehicle> settled = CopyDesign(m_document.Design());
    ComputeResults(*settled);
    m_baseline = StateOf(TakeSnapshot(*settled), m_baselineCopy);
    m_lastChange.clear();
    emit LastChangeChanged(m_lastChange);
    m_showingNew = true;
    // Showing it may also tidy what the pass does not (a production type out of range): once
    // shown, the design as it is counts as the start, unless the user changed it already.
    PostGuarded(this, [this] {
        m_showingNew = false;
        if (m_stack->count() > 0 || m_pending)
            return;
        m_baseline = StateOf(TakeSnapshot(m_document.Design()), m_baselineCopy);
        // A design that came in with unsaved changes (a recovered one): no step back
        // reaches the saved file.
        if (m_document.Modified())
            m_stack->resetClean();
    });
}

namespace {

bool TakesTyping(QWidget *widget) { return TextBoxOf(widget) || qobject_cast<QAbstractSpinBox *>(widget); }

} // namespace

bool UndoHistory::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Return commits what was typed: what it commits is a step of its own, as if the
        // box had been left.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            ++m_focusEpoch;
        // Keys in a list or grid give commands (Ctrl+Down moves a line): no typing.
        m_typing = TakesTyping(QApplication::focusWidget());
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        ++m_focusEpoch;
        m_typing = false;
        break;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        m_typing = false;
        break;
    default:
        break;
    }
    return false;
}

void UndoHistory::DocumentEdited()
{
    // A change made while a key press is handled is typing; a box left, a button clicked or
    // a dialog closed makes a step of its own.
    m_editEpoch = m_focusEpoch;
    m_editTyped = m_typing;
    if (m_pending || m_restoring)
        return;
    m_pending = true;
    // The handler that reported the change has not finished writing it yet.
    PostGuarded(this, &UndoHistory::Flush);
}

void UndoHistory::Flush()
{
    m_pending = false;
    if (m_restoring)
        return;
    DesignSnapshot now = TakeSnapshot(m_document.Design(), m_baseline.Snapshot);
    if (now == m_baseline.Snapshot)
        return;
    std::unique_ptr<Vehicle> copy;
    UndoState after = StateOf(std::move(now), copy);
    const QString name = UndoChangeName(DifferingFieldPaths(*m_baselineCopy, *copy));
    UndoState before = std::move(m_baseline);
    m_baseline = after;
    m_baselineCopy = std::move(copy);
    const QString mergeKey = m_editTyped ? name + QLatin1Char('@') + QString::number(m_editEpoch) : QString();
    m_stack->push(new UndoStep(
        std::move(before), std::move(after), name, mergeKey, m_document.Modified(),
        [this](const UndoState &state) { Restore(state); },
        [this](const UndoState &from, const UndoState &to) { ReportChange(from, to); }));
}

void UndoHistory::Undo()
{
    Flush();
    m_stack->undo();
}

void UndoHistory::Redo()
{
    Flush();
    m_stack->redo();
}

void UndoHistory::Restore(const UndoState &state)
{
    m_restoring = true;
    RestoreSnapshot(m_document.Design(), state.Snapshot);
    m_baseline = StateOf(state.Snapshot, m_baselineCopy);
    m_restored = true;
    emit Restored();
    m_restoring = false;
    m_pending = false;
}

void UndoHistory::ReportChange(const UndoState &from, const UndoState &to)
{
    m_lastChange = ResultChangeText(from, to);
    emit LastChangeChanged(m_lastChange);
}

void UndoHistory::IndexChanged()
{
    const bool restored = m_restored;
    m_restored = false;
    if (m_saving)
        return; // the saved state is set next
    // A new step leaves the flag to the change it records (some changes do not set it). A
    // state reached again after only such changes since the save is as clean as it was.
    if (m_stack->isClean() || (restored && OnlyUnmarkedChangesSinceSaved()))
        m_document.ClearModified();
    else if (restored)
        m_document.SetModified();
}

bool UndoHistory::OnlyUnmarkedChangesSinceSaved() const
{
    const int saved = m_stack->cleanIndex();
    if (saved < 0 || m_stack->index() <= saved)
        return false;
    for (int i = saved; i < m_stack->index(); ++i) {
        if (static_cast<const UndoStep *>(m_stack->command(i))->LeftModified())
            return false;
    }
    return true;
}

void UndoHistory::DesignSaved()
{
    // What the file now holds is a state of its own: a change being recorded, or one no
    // handler reported, belongs before it, so no step spans the save. (Opening a file reports
    // it too, before the window has shown the new design: that design is the start.)
    m_saving = true;
    if (!m_showingNew)
        Flush();
    m_saving = false;
    m_stack->setClean();
}

void UndoHistory::BindActions(QAction *undo, QAction *redo)
{
    const auto caption = [](const QString &verb, const QString &change) {
        return change.isEmpty() ? verb : verb + QLatin1Char(' ') + change;
    };
    const QString undoVerb = QStringLiteral("&Undo");
    const QString redoVerb = QStringLiteral("&Redo");
    undo->setText(caption(undoVerb, m_stack->undoText()));
    redo->setText(caption(redoVerb, m_stack->redoText()));
    undo->setEnabled(m_stack->canUndo());
    redo->setEnabled(m_stack->canRedo());
    ConnectGuarded(m_stack, &QUndoStack::undoTextChanged, undo,
                   [undo, caption, undoVerb](const QString &text) { undo->setText(caption(undoVerb, text)); });
    ConnectGuarded(m_stack, &QUndoStack::redoTextChanged, redo,
                   [redo, caption, redoVerb](const QString &text) { redo->setText(caption(redoVerb, text)); });
    connect(m_stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
}

} // namespace aw
