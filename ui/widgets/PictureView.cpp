#include "ui/widgets/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace aw {

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    resize(105, 105);
    PictureChanged();
}

void PictureView::SetPicture(const QImage &picture)
{
    m_picture = picture;
    PictureChanged();
}

void PictureView::SetAutoSize(bool value)
{
    if (m_autoSize == value)
        return;
    m_autoSize = value;
    PictureChanged();
}

void PictureView::SetStretch(bool value)
{
    if (m_stretch == value)
        return;
    m_stretch = value;
    PictureChanged();
}

void PictureView::SetCenter(bool value)
{
    if (m_center == value)
        return;
    m_center = value;
    PictureChanged();
}

void PictureView::SetTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    PictureChanged();
}

bool PictureView::IsOpaque() const { return testAttribute(Qt::WA_OpaquePaintEvent); }

QRect PictureView::DestRect() const
{
    return DestinationRect(width(), height(), m_picture.width(), m_picture.height(), m_stretch, m_center);
}

QRect PictureView::DestinationRect(int W, int H, int pw, int ph, bool stretch, bool center)
{
    int drawnWidth = pw;
    int drawnHeight = ph;
    if (stretch && W > 0 && H > 0 && pw > 0 && ph > 0) {
        const double xr = static_cast<double>(pw) / W;
        const double yr = static_cast<double>(ph) / H;
        const double scale = xr <= yr ? yr : xr;
        // nearbyint rounds halves to the even neighbour in the default rounding mode
        drawnWidth = static_cast<int>(std::nearbyint(pw / scale));
        drawnHeight = static_cast<int>(std::nearbyint(ph / scale));
    }
    if (!center)
        return QRect(0, 0, drawnWidth, drawnHeight);
    // integer division truncates towards zero, also for the negative offsets of a
    // picture larger than the control
    return QRect((W - drawnWidth) / 2, (H - drawnHeight) / 2, drawnWidth, drawnHeight);
}

void PictureView::PictureChanged()
{
    if (m_autoSize && m_picture.width() > 0 && m_picture.height() > 0)
        resize(m_picture.size());
    UpdateOpacity();
    if (!m_drawing)
        update();
}

void PictureView::UpdateOpacity()
{
    // Only a picture that covers every pixel may leave the background unpainted; the bands
    // beside a proportionally stretched one would otherwise keep whatever was there.
    const bool opaque = !m_picture.isNull() && !m_transparent && DestRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateOpacity();
}

void PictureView::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    m_drawing = true;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(DestRect(), m_picture);
    m_drawing = false;
}

void PictureView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit DoubleClicked();
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    emit MouseReleased(event->button());
}

} // namespace aw
