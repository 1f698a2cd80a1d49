#include "ui/widgets/BannerArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace aw {

namespace {

// A stylised armour plate: a shield outline with three rivets.
void DrawPlate(QPainter &painter, const QRectF &box)
{
    QPainterPath shield;
    const double w = box.width();
    const double h = box.height();
    shield.moveTo(box.left() + w * 0.5, box.top());
    shield.lineTo(box.right(), box.top() + h * 0.18);
    shield.lineTo(box.right() - w * 0.08, box.top() + h * 0.62);
    shield.lineTo(box.left() + w * 0.5, box.bottom());
    shield.lineTo(box.left() + w * 0.08, box.top() + h * 0.62);
    shield.lineTo(box.left(), box.top() + h * 0.18);
    shield.closeSubpath();

    QLinearGradient steel(box.topLeft(), box.bottomRight());
    steel.setColorAt(0.0, QColor(214, 220, 226));
    steel.setColorAt(0.5, QColor(120, 130, 140));
    steel.setColorAt(1.0, QColor(60, 66, 74));
    painter.setPen(QPen(QColor(20, 24, 28), 2));
    painter.setBrush(steel);
    painter.drawPath(shield);

    painter.setBrush(QColor(40, 44, 50));
    painter.setPen(Qt::NoPen);
    const double r = w * 0.06;
    painter.drawEllipse(QPointF(box.left() + w * 0.5, box.top() + h * 0.22), r, r);
    painter.drawEllipse(QPointF(box.left() + w * 0.28, box.top() + h * 0.42), r, r);
    painter.drawEllipse(QPointF(box.left() + w * 0.72, box.top() + h * 0.42), r, r);
}

} // namespace

QPixmap MakeBanner(QSize size)
{
    QPixmap banner(size);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(38, 52, 40));
    sky.setColorAt(1.0, QColor(12, 18, 14));
    painter.fillRect(banner.rect(), sky);

    // faint drafting grid, as on a blueprint
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int x = 0; x < size.width(); x += 16)
        painter.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 16)
        painter.drawLine(0, y, size.width(), y);

    const int margin = size.height() / 8;
    const int plate = size.height() - 2 * margin;
    DrawPlate(painter, QRectF(margin, margin, plate * 0.85, plate));

    QFont title(QStringLiteral("Sans Serif"));
    title.setBold(true);
    title.setPixelSize(size.height() * 2 / 5);
    title.setLetterSpacing(QFont::PercentageSpacing, 108);
    painter.setFont(title);
    painter.setPen(QColor(236, 226, 190));
    const QRectF textBox(margin * 2 + plate, 0, size.width() - plate - margin * 3, size.height() * 0.68);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ARMORWRIGHT"));

    QFont subtitle(QStringLiteral("Sans Serif"));
    subtitle.setPixelSize(qMax(9, size.height() / 8));
    painter.setFont(subtitle);
    painter.setPen(QColor(170, 190, 160));
    const QRectF subBox(margin * 2 + plate, size.height() * 0.7, textBox.width(), size.height() * 0.25);
    painter.drawText(subBox, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("vehicle design workshop"));
    return banner;
}

QPixmap MakeEmblem(QSize size)
{
    QPixmap emblem(size);
    emblem.fill(Qt::transparent);
    QPainter painter(&emblem);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPlate(painter, QRectF(2, 2, size.width() - 4, size.height() - 4));
    return emblem;
}

} // namespace aw
