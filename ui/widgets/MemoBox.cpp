#include "ui/widgets/MemoBox.h"

#include "ui/Cp1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace aw {

MemoBox::MemoBox(QWidget *parent) : QPlainTextEdit(parent) {}

bool MemoBox::InsertedAsStorable(const QString &text)
{
    if (isReadOnly() || cp1252::Holds(text))
        return false;
    insertPlainText(cp1252::Storable(text));
    return true;
}

void MemoBox::keyPressEvent(QKeyEvent *event)
{
    if (InsertedAsStorable(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (InsertedAsStorable(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void MemoBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && InsertedAsStorable(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace aw
