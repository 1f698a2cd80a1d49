#include "ui/widgets/ExitEdit.h"

#include "ui/widgets/Cp1252Validator.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace aw {

ExitEdit::ExitEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new Cp1252Validator(this));
    // A text the validator has put in the form Windows-1252 holds comes back with the
    // modified state cleared, yet it is still the user's edit.
    connect(this, &QLineEdit::textEdited, this, [this] { setModified(true); });
}

bool ExitEdit::event(QEvent *event)
{
    // setText clears the modified state and user edits set it: until the user changes the
    // text (always in answer to an event), it is the one shown.
    if (!isModified())
        m_shown = text();
    return QLineEdit::event(event);
}

void ExitEdit::CommitTyped()
{
    if (!isModified())
        return;
    setModified(false);
    if (text() == m_shown)
        return;
    // Taken as shown before the commit: the handler may show a different text in turn.
    m_shown = text();
    emit Exited();
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
