#include "ui/widgets/ExitComboBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace aw {

ExitComboBox::ExitComboBox(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this](int item) {
        if (!m_typingEnds)
            emit Chosen(item);
    });
}

void ExitComboBox::SetEditLine(QLineEdit *line)
{
    // When typing ends, QComboBox selects and activates the item whose text was typed. Its
    // handler runs between these two (slots run in the order they were connected), so that
    // activation is not taken as a choice.
    connect(line, &QLineEdit::editingFinished, this, [this] { m_typingEnds = true; });
    setLineEdit(line);
    connect(line, &QLineEdit::editingFinished, this, [this] { m_typingEnds = false; });
}

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
