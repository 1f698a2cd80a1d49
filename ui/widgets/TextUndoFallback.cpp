#include "ui/widgets/TextUndoFallback.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace aw {

namespace {

// Whether the text box can undo (or redo) typing of its own; true for anything else, which
// keeps the key as it would.
bool KeepsTheKey(QObject *control, bool undo)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        control = combo->lineEdit();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->isReadOnly() || (undo ? edit->isUndoAvailable() : edit->isRedoAvailable());
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        const QTextDocument *document = memo->document();
        return memo->isReadOnly() || (undo ? document->isUndoAvailable() : document->isRedoAvailable());
    }
    return true;
}

} // namespace

TextUndoFallback::TextUndoFallback(QWidget *window, QAction *undo, QAction *redo)
    : QObject(window), m_window(window), m_undo(undo), m_redo(redo)
{
    // The key is offered to the focused box first (a shortcut override), so it is watched
    // for every box of the window, including those of pages added later.
    qApp->installEventFilter(this);
}

bool TextUndoFallback::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || control->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    const bool undo = m_undo->shortcuts().contains(pressed);
    if (!undo && !m_redo->shortcuts().contains(pressed))
        return false;
    if (KeepsTheKey(control, undo))
        return false;
    // Not taken by the box: the shortcut reaches the menu command.
    event->ignore();
    return true;
}

} // namespace aw
