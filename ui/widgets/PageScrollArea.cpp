#include "ui/widgets/PageScrollArea.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace aw {

PageScrollArea::PageScrollArea(QWidget *body, QWidget &parent) : QScrollArea(&parent)
{
    // No frame, no background and no stop of its own on the Tab key: seen only by its scroll bars.
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(body);
    viewport()->setAutoFillBackground(false);
    body->setAutoFillBackground(false);
    auto *layout = new QVBoxLayout(&parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    // Once the layouts the focus change may have set off are done, the box's place is known.
    connect(qApp, &QApplication::focusChanged, this, [this, body](QWidget *, QWidget *now) {
        if (now && body->isAncestorOf(now))
            QMetaObject::invokeMethod(
                this,
                [this, box = QPointer<QWidget>(now)] {
                    if (box)
                        ensureWidgetVisible(box);
                },
                Qt::QueuedConnection);
    });
    // The wheel no longer takes the keyboard into a list it passes over while scrolling.
    for (QComboBox *list : body->findChildren<QComboBox *>()) {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(this);
    }
}

QSize PageScrollArea::sizeHint() const
{
    // QScrollArea's own hint is capped at a few dozen lines of text, less than a page needs.
    return widget()->sizeHint();
}

bool PageScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    auto *list = qobject_cast<QComboBox *>(watched);
    if (list && event->type() == QEvent::Wheel && !list->hasFocus() && verticalScrollBar()->isVisible()) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace aw
