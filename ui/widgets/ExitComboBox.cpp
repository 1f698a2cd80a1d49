#include "ui/widgets/ExitComboBox.h"

#include <QFocusEvent>

namespace aw {

ExitComboBox::ExitComboBox(QWidget *parent) : QComboBox(parent) {}

void ExitComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    ReportLeave(event->reason());
}

void ExitComboBox::ReportLeave(Qt::FocusReason reason)
{
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    // Focus moving between the box and its own edit line is not leaving.
    if (QWidget *now = QWidget::focusWidget(); now && (now == this || isAncestorOf(now)))
        return;
    emit Exited();
}

} // namespace aw
