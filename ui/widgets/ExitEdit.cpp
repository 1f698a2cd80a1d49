#include "ui/widgets/ExitEdit.h"

#include "ui/widgets/Cp1252Validator.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace aw {

ExitEdit::ExitEdit(QWidget *parent) : StartShownEdit(parent) { setValidator(new Cp1252Validator(this)); }

bool ExitEdit::event(QEvent *event)
{
    // setText clears the modified state and user edits set it: until the user changes the
    // text (always in answer to an event), it is the one shown.
    if (!isModified())
        m_shown = text();
    return StartShownEdit::event(event);
}

void ExitEdit::CommitTyped()
{
    // Only typing counts: a box tabbed through keeps its value, but one typed in commits what
    // was typed, also the text it showed (which may stand for a rounded value).
    if (!isModified())
        return;
    setModified(false);
    // Taken as shown before the commit: the handler may show a different text in turn.
    m_shown = text();
    emit Exited();
    // A text the handler shows in answer to the user's leaving is the program's.
    if (!hasFocus() && text() != m_shown)
        setCursorPosition(0);
}

void ExitEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        CommitTyped();
}

void ExitEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        CommitTyped();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace aw
