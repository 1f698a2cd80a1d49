#include "ui/ExitEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

TExitEdit::TExitEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void TExitEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit exited();
}

void TExitEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit exited();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
