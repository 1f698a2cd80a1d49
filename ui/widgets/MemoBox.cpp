#include "ui/widgets/MemoBox.h"

#include "ui/Cp1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace aw {

MemoBox::MemoBox(QWidget *parent) : QPlainTextEdit(parent) {}

bool MemoBox::Refuses(const QString &typed) const { return !cp1252::Holds(typed); }

void MemoBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly() && Refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!isReadOnly() && Refuses(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void MemoBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && Refuses(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace aw
