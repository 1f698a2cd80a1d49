#include "ui/widgets/TextUndoFallback.h"

#include "ui/widgets/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace aw {

namespace {

QString TextOf(const QWidget *box)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

bool IsReadOnly(const QWidget *box)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->isReadOnly();
    return static_cast<const QPlainTextEdit *>(box)->isReadOnly();
}

// Whether the box's own history can undo (or redo) a step.
bool OwnStepAvailable(const QWidget *box, bool undo)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(box))
        return undo ? edit->isUndoAvailable() : edit->isRedoAvailable();
    const QTextDocument *document = static_cast<const QPlainTextEdit *>(box)->document();
    return undo ? document->isUndoAvailable() : document->isRedoAvailable();
}

} // namespace

TextUndoFallback::TextUndoFallback(QWidget *window, QAction *undo, QAction *redo)
    : QObject(window), m_window(window), m_undo(undo), m_redo(redo)
{
    // The key is offered to the focused box first (a shortcut override), so it is watched
    // for every box of the window, including those of pages added later.
    qApp->installEventFilter(this);
}

void TextUndoFallback::NoteFocus(QObject *control, const QFocusEvent &event)
{
    // Coming back from a menu or another window goes on with the same typing.
    if (event.reason() == Qt::PopupFocusReason || event.reason() == Qt::ActiveWindowFocusReason)
        return;
    QWidget *box = TextBoxOf(control);
    if (!box || box->window() != m_window)
        return;
    m_box = box;
    m_textAtFocus = TextOf(box);
    m_undidOwnTyping = false;
}

bool TextUndoFallback::KeepsTheKey(QObject *control, bool undo)
{
    QWidget *box = TextBoxOf(control);
    if (!box)
        return true; // anything else keeps the key as it would
    if (IsReadOnly(box))
        return true;
    // The box's history may hold typing from before it took the focus (already committed,
    // even saved): only what was typed since is its own to undo.
    if (box != m_box || !OwnStepAvailable(box, undo))
        return false;
    if (!undo)
        return m_undidOwnTyping;
    if (TextOf(box) == m_textAtFocus)
        return false;
    m_undidOwnTyping = true;
    return true;
}

bool TextUndoFallback::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        NoteFocus(watched, *static_cast<QFocusEvent *>(event));
        return false;
    }
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
