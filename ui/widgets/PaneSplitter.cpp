#include "ui/widgets/PaneSplitter.h"

#include <QFrame>
#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>

namespace aw {

namespace {
constexpr int kHandleWidth = 5;
}

PaneSplitter::PaneSplitter(QWidget *kept, QWidget *filling, KeptSide side, int keptWidth, QWidget *parent)
    : QWidget(parent), m_kept(kept), m_filling(filling), m_handle(new QFrame(this)), m_side(side),
      m_wantedWidth(keptWidth), m_assignedWidth(keptWidth)
{
    m_kept->setParent(this);
    m_filling->setParent(this);
    m_kept->resize(keptWidth, m_kept->height());
    m_handle->setCursor(Qt::SplitHCursor);
    m_handle->setFrameShape(QFrame::NoFrame);
    m_handle->installEventFilter(this);
    m_kept->installEventFilter(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PaneSplitter::sizeHint() const
{
    const QSize kept = m_kept->sizeHint();
    const QSize filling = m_filling->sizeHint();
    return QSize(m_wantedWidth + kHandleWidth + std::max(filling.width(), MinimumPaneSize),
                 std::max(kept.height(), filling.height()));
}

QSize PaneSplitter::minimumSizeHint() const
{
    const int keptMinimum = std::max(m_kept->minimumSizeHint().width(), MinimumPaneSize);
    const int fillingMinimum = std::max(m_filling->minimumSizeHint().width(), MinimumPaneSize);
    return QSize(keptMinimum + kHandleWidth + fillingMinimum,
                 std::max(m_kept->minimumSizeHint().height(), m_filling->minimumSizeHint().height()));
}

int PaneSplitter::ClampedKeptWidth(int wanted) const
{
    const int room = width() - kHandleWidth - MinimumPaneSize;
    return std::max(std::min(wanted, room), std::min(MinimumPaneSize, std::max(room, 0)));
}

void PaneSplitter::AdoptOutsideWidth()
{
    // A hidden pane gets no resize event at once, so its width is compared here too.
    if (m_kept->width() != m_assignedWidth)
        m_wantedWidth = m_kept->width();
}

void PaneSplitter::Arrange()
{
    AdoptOutsideWidth();
    const int keptWidth = ClampedKeptWidth(m_wantedWidth);
    m_assignedWidth = keptWidth;
    const int fillingWidth = std::max(width() - keptWidth - kHandleWidth, 0);
    const int h = height();
    if (m_side == KeptSide::Left) {
        m_kept->setGeometry(0, 0, keptWidth, h);
        m_handle->setGeometry(keptWidth, 0, kHandleWidth, h);
        m_filling->setGeometry(keptWidth + kHandleWidth, 0, fillingWidth, h);
    } else {
        m_filling->setGeometry(0, 0, fillingWidth, h);
        m_handle->setGeometry(fillingWidth, 0, kHandleWidth, h);
        m_kept->setGeometry(fillingWidth + kHandleWidth, 0, keptWidth, h);
    }
}

void PaneSplitter::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Arrange();
}

bool PaneSplitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_kept && event->type() == QEvent::Resize) {
        if (m_kept->width() != m_assignedWidth)
            Arrange(); // resized from outside: the handle follows
    } else if (watched == m_handle &&
               (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        // Only mouse events are mouse events: other events reach the filter too.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_dragOffset = mouse->position().toPoint().x();
            return true;
        }
        if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            const int handleLeft = mapFromGlobal(mouse->globalPosition().toPoint()).x() - m_dragOffset;
            const int wanted = m_side == KeptSide::Left ? handleLeft : width() - handleLeft - kHandleWidth;
            m_wantedWidth = ClampedKeptWidth(wanted);
            Arrange();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace aw
