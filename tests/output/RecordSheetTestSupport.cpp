#include "RecordSheetTestSupport.h"

#include "output/RecordSheetRenderContext.h"

#include <QBuffer>

namespace sheettest {

void EnsureSheetRendering()
{
    // Never destroyed: the application object must outlive every test.
    static TSheetRenderContext *context = new TSheetRenderContext;
    (void)context;
}

std::vector<uint8_t> BitmapFileOf(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return std::vector<uint8_t>(data.begin(), data.end());
}

TSheetLayout PlainLayout(QColor background, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    TSheetLayout layout;
    layout.Background = BitmapFileOf(image);
    return layout;
}

TSheetLabel Label(const std::string &text, TSheetAlignment align, int points, bool bold, TSheetLayoutBox box)
{
    TSheetLabel label;
    label.Text = text;
    label.Alignment = static_cast<uint8_t>(align);
    label.Colour = 0x80000008;
    label.FontName = "Arial";
    label.PointSize = points;
    label.Style = bold ? sheetstyle::Bold : 0;
    label.Box = box;
    return label;
}

int InkCount(const QImage &image, const QRect &rect)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

QRect InkBounds(const QImage &image, const QRect &rect)
{
    QRect bounds;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

uint32_t RgbAt(const QImage &image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

} // namespace sheettest
