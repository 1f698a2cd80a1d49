#include "ui/widgets/MoveFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace aw {

void MoveFocus(QWidget &target)
{
    QWidget *before = QApplication::focusWidget();
    target.setFocus(Qt::OtherFocusReason);
    if (before && before != &target && target.window()->isAncestorOf(before) && QApplication::focusWidget() == before) {
        QFocusEvent leave(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(before, &leave);
    }
}

} // namespace aw
