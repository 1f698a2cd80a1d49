#include "ui/widgets/ExitComboBox.h"

#include <QFocusEvent>

TExitComboBox::TExitComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void TExitComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    ReportLeave(event->reason());
}

void TExitComboBox::ReportLeave(Qt::FocusReason reason)
{
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    // Focus moving between the box and its own edit line is not leaving.
    if (QWidget *now = QWidget::focusWidget(); now && (now == this || isAncestorOf(now)))
        return;
    emit exited();
}
