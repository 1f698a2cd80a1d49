#include "ui/widgets/MemoBox.h"

#include "ui/Cp1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

TMemoBox::TMemoBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

bool TMemoBox::Refuses(const QString &typed) const
{
    return !cp1252::Holds(typed);
}

void TMemoBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly() && Refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TMemoBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!isReadOnly() && Refuses(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TMemoBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && Refuses(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}
