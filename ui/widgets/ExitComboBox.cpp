#include "ui/widgets/ExitComboBox.h"

#include <QApplication>
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
    // Focus moving between the box and its own edit line is not leaving. (The application's
    // focus widget: the box's own focusWidget() still names its edit line once it has left.)
    if (QWidget *now = QApplication::focusWidget(); now && (now == this || isAncestorOf(now)))
        return;
    emit Exited();
}

} // namespace aw
