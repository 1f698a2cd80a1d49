#include "output/RecordSheetFiles.h"

#include "base/ArmorwrightError.h"
#include "base/Cp1252.h"
#include "base/Files.h"
#include "base/Utf8Path.h"
#include "output/PrintPlacement.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace aw {

static std::vector<uint8_t> BufferBytes(const QByteArray &data)
{
    return std::vector<uint8_t>(data.begin(), data.end());
}

std::vector<uint8_t> EncodePng(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw ArmorwrightError("The sheet image could not be encoded as PNG");
    return BufferBytes(data);
}

void SavePng(const QImage &image, const std::string &path)
{
    WriteFileAtomically(PathFromUtf8(path), EncodePng(image));
}

void PaintSheetOnPage(QPainter &painter, const QImage &sheet, const QRect &printableArea)
{
    const QRect target = PlaceSheetOnPage(sheet.size(), printableArea);
    if (target.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, sheet);
    painter.restore();
}

void WritePdf(const std::string &path, const QPageSize &pageSize, const QString &title,
              const std::function<void(QPdfWriter &writer)> &paint)
{
    QByteArray data;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kSheetPdfResolution);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("Armorwright"));
        writer.setTitle(title);
        paint(writer);
    }
    WriteFileAtomically(PathFromUtf8(path), BufferBytes(data));
}

void RenderSheetToPdf(const QImage &sheet, const std::string &path, const QPageSize &pageSize, const std::string &title)
{
    if (sheet.isNull())
        throw ArmorwrightError("An empty sheet cannot be written as PDF");
    WritePdf(path, pageSize, QString::fromStdString(cp1252::ToUtf8(title)), [&sheet](QPdfWriter &writer) {
        QPainter painter;
        if (!painter.begin(&writer))
            throw ArmorwrightError("The PDF document could not be started");
        PaintSheetOnPage(painter, sheet, QRect(0, 0, writer.width(), writer.height()));
        if (!painter.end())
            throw ArmorwrightError("The PDF document could not be finished");
    });
}

} // namespace aw
