#include "output/RecordSheetPainter.h"

#include "base/Cp1252.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetColour.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace aw {

namespace {

constexpr int kSheetDotsPerInch = 96;
constexpr int kDefaultPixelSize = 11; // 8 points
constexpr uint8_t kFixedPitch = 1;

constexpr double kMaxPixelSize = 4096;

// A stored size in pixels, rounded and kept to a size a font can have.
int PixelSize(double pixels) { return static_cast<int>(std::lround(std::clamp(pixels, 1.0, kMaxPixelSize))); }

// Sheet texts are single-byte Windows-1252; drawing needs them as Unicode.
QString Unicode(const std::string &text) { return QString::fromStdString(cp1252::ToUtf8(text)); }

QRect BoxRect(const SheetLayoutBox &box) { return QRect(box.Left, box.Top, box.Width, box.Height); }

struct ItemPainter {
    QPainter &Painter;
    const SheetValues &Values;
    void operator()(const SheetLabel &label) const
    {
        DrawSheetLabel(Painter, label, Values.ExpandText ? Values.ExpandText(label.Text) : label.Text);
    }
    void operator()(const SheetArmourBox &box) const { DrawSheetArmourBox(Painter, box, Values.Armor); }
    void operator()(const SheetPictureFrame &frame) const { DrawSheetPicture(Painter, frame, Values.Picture); }
};

} // namespace

QFont SheetLabelFont(const SheetLabel &label)
{
    QFont font(Unicode(label.FontName));
    int pixels = kDefaultPixelSize;
    if (label.PointSize != 0)
        pixels = PixelSize(std::abs(static_cast<double>(label.PointSize)) * kSheetDotsPerInch / 72);
    else if (label.FontHeight != 0)
        pixels = PixelSize(std::abs(static_cast<double>(label.FontHeight)));
    font.setPixelSize(pixels);
    // Left to its default, hinting follows the screen: none once the display is scaled (high
    // DPI), the desktop's choice otherwise. A sheet is a document, drawn the same on any
    // screen, with the hinting an unscaled display gives by default, so sheets stay as they
    // were: light (vertical-only) with fontconfig, full with Windows' own font engine (the
    // lighter kinds would switch it to another engine).
#ifdef Q_OS_WIN
    font.setHintingPreference(QFont::PreferFullHinting);
#else
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    if (label.Pitch == kFixedPitch) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setBold(label.Style & sheetstyle::Bold);
    font.setItalic(label.Style & sheetstyle::Italic);
    font.setUnderline(label.Style & sheetstyle::Underline);
    font.setStrikeOut(label.Style & sheetstyle::StrikeOut);
    return font;
}

void DrawSheetLabel(QPainter &painter, const SheetLabel &label, const std::string &text)
{
    if (text.empty() || !label.Box.IsDrawable())
        return;
    const QString shown = Unicode(text);
    const QFont font = SheetLabelFont(label);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(shown);
    const int height = metrics.height();
    const SheetLayoutBox &box = label.Box;
    // Offsets truncate towards zero, so text taller or wider than its box starts above or
    // left of it and is cut at both edges.
    const int top = (box.Height - height) / 2;
    int left = 0;
    if (label.Alignment == static_cast<uint8_t>(SheetAlignment::Centre))
        left = (box.Width - width) / 2;
    else if (label.Alignment == static_cast<uint8_t>(SheetAlignment::Right))
        left = box.Width - width;

    painter.save();
    painter.setClipRect(BoxRect(box));
    painter.setFont(font);
    painter.setPen(SheetColour(label.Colour));
    painter.drawText(QPoint(box.Left + left, box.Top + top + metrics.ascent()), shown);
    painter.restore();
}

void DrawSheetArmourBox(QPainter &painter, const SheetArmourBox &box, int32_t armor)
{
    const uint32_t colour = armor >= box.Threshold ? box.ColourReached : box.ColourBelow;
    if (box.Box.IsDrawable())
        painter.fillRect(BoxRect(box.Box), SheetColour(colour));
}

QRect FitPictureInFrame(int pictureWidth, int pictureHeight, const SheetLayoutBox &frame)
{
    int left = frame.Left, top = frame.Top, right = frame.Right(), bottom = frame.Bottom();
    const double sx = static_cast<double>(frame.Width) / pictureWidth;
    const double sy = static_cast<double>(frame.Height) / pictureHeight;
    if (sx >= sy) {
        const int drawn = static_cast<int>(std::nearbyint(pictureWidth * sy));
        const int margin = (frame.Width - drawn) / 2;
        left += margin;
        right -= margin;
    } else {
        const int drawn = static_cast<int>(std::nearbyint(pictureHeight * sx));
        const int margin = (frame.Height - drawn) / 2;
        top += margin;
        bottom -= margin;
    }
    return QRect(left, top, right - left, bottom - top);
}

void DrawSheetPicture(QPainter &painter, const SheetPictureFrame &frame, const QImage &picture)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return;
    if (!frame.Box.IsDrawable())
        return;
    const QRect target = FitPictureInFrame(picture.width(), picture.height(), frame.Box);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture.convertToFormat(QImage::Format_RGB32));
    painter.restore();
}

QImage DrawRecordSheet(const SheetLayout &layout, const SheetValues &values)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw std::logic_error("The record sheet is drawn only while a QGuiApplication exists");
    QImage sheet = LoadSheetBitmap(layout.Background);
    {
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        for (const SheetItem &item : layout.Items)
            std::visit(ItemPainter{painter, values}, item);
    }
    return sheet.convertToFormat(QImage::Format_RGB888);
}

} // namespace aw
