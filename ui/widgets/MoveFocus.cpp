#include "ui/widgets/MoveFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace aw {

void MoveFocus(QWidget &target)
{
    // The window's own focus widget: while another window (the design library, a file manager
    // dragging a file) is active, the application's is there, but the box typed in is this one.
    QWidget *before = target.window()->focusWidget();
    target.setFocus(Qt::OtherFocusReason);
    if (before && before != &target && QApplication::focusWidget() != &target) {
        QFocusEvent leave(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(before, &leave);
    }
}

} // namespace aw
