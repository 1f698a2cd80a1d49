#include "ui/widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace aw {

namespace {

// Where the text goes: inside the frame and the margin.
QRect TextRoom(const QLabel &label)
{
    const int margin = label.margin();
    return label.contentsRect().adjusted(margin, margin, -margin, -margin);
}

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

QSize ElidedLabel::minimumSizeHint() const
{
    // Room for the ellipsis: the layout may give the label less than its text needs.
    const QSize whole = QLabel::minimumSizeHint();
    return {std::min(whole.width(), fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) + 2 * margin()),
            whole.height()};
}

bool ElidedLabel::IsElided() const { return fontMetrics().horizontalAdvance(text()) > TextRoom(*this).width(); }

bool ElidedLabel::event(QEvent *event)
{
    // An own tooltip still comes first; without one, a cut text shows whole.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (IsElided())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent *event)
{
    if (!IsElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = TextRoom(*this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, foregroundRole());
}

} // namespace aw
