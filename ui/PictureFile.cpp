#include "ui/PictureFile.h"

#include "engine/DesignFilePicture.h"
#include "output/RecordSheetBitmap.h"
#include "ui/Cp1252.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

QString tooLarge(const QString &path, const QSize &size)
{
    return QStringLiteral("The picture \"%1\" is %2 x %3 pixels; pictures larger than %4 pixels on a side "
                          "are not taken.")
        .arg(QFileInfo(path).fileName())
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPictureSide);
}

bool isTooLarge(const QSize &size)
{
    return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide;
}

} // namespace

std::vector<uint8_t> PictureForDesign(const QString &path, QString &problem)
{
    problem.clear();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The size from the file's header, when it tells one, is checked before decoding.
    if (const QSize announced = reader.size(); announced.isValid() && isTooLarge(announced)) {
        problem = tooLarge(path, announced);
        return {};
    }
    const QImage read = reader.read();
    if (read.isNull()) {
        problem = QStringLiteral("The picture \"%1\" could not be loaded: %2.")
                      .arg(QFileInfo(path).fileName(), reader.errorString());
        return {};
    }
    if (isTooLarge(read.size())) {
        problem = tooLarge(path, read.size());
        return {};
    }
    // Transparent parts are shown on white, as a bitmap has no transparency.
    QImage opaque(read.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, read);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!opaque.save(&buffer, "BMP")) {
        problem = QStringLiteral("The picture \"%1\" could not be converted to a bitmap.").arg(QFileInfo(path).fileName());
        return {};
    }
    std::vector<uint8_t> bytes(data.begin(), data.end());
    if (const std::string fault = BitmapProblem(bytes); !fault.empty()) {
        problem = QStringLiteral("The picture \"%1\" cannot be stored: %2.")
                      .arg(QFileInfo(path).fileName(), cp1252::MessageToQt(fault));
        return {};
    }
    return bytes;
}

QImage PictureFromDesign(const std::vector<uint8_t> &bytes)
{
    if (bytes.empty())
        return {};
    try {
        return LoadSheetBitmap(bytes);
    } catch (const ESheetBitmapError &) {
        return {};
    }
}
