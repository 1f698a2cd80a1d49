#include "ui/document/PictureFile.h"

#include "engine/BitmapRunLength.h"
#include "engine/DesignFilePicture.h"
#include "output/RecordSheetBitmap.h"
#include "ui/Cp1252.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>

namespace aw {

namespace {

QString TooLarge(const QString &path, const QSize &size)
{
    return QStringLiteral("The picture \"%1\" is %2 x %3 pixels; pictures larger than %4 pixels on a side "
                          "are not taken.")
        .arg(QFileInfo(path).fileName())
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPictureSide);
}

bool IsTooLarge(const QSize &size) { return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide; }

// The bytes of the file at path when it is a Windows bitmap file, with what is wrong with
// them in fault; empty for any other file. One whose headers are refused is not read further:
// they may claim a size that would take all memory to read.
std::vector<uint8_t> BitmapFileBytes(const QString &path, std::string &fault)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.peek(2) != "BM")
        return {};
    const auto asBytes = [](const QByteArray &read) { return std::vector<uint8_t>(read.begin(), read.end()); };
    fault = BitmapHeaderProblem(asBytes(file.peek(kBitmapHeadersSize)), PixelCountLimit::Waived);
    if (!fault.empty())
        return {};
    // A file is read straight into the bytes kept, so that a large bitmap is held once, not twice.
    std::vector<uint8_t> bytes;
    if (file.isSequential()) {
        bytes = asBytes(file.readAll());
    } else {
        bytes.resize(static_cast<size_t>(file.size()));
        const qint64 read = file.read(reinterpret_cast<char *>(bytes.data()), file.size());
        bytes.resize(static_cast<size_t>(std::max<qint64>(read, 0)));
    }
    fault = BitmapProblem(bytes, PixelCountLimit::Waived);
    return bytes;
}

// A run-length coded bitmap expanded as the design's picture is, so that the pixels its data
// skips are read as palette index 0; empty for any other bitmap.
QByteArray ExpandedRunLength(const std::vector<uint8_t> &bitmap)
{
    if (!IsRunLengthBitmap(bitmap))
        return {};
    const std::vector<uint8_t> expanded = ExpandRunLengthBitmap(bitmap);
    return QByteArray(reinterpret_cast<const char *>(expanded.data()), static_cast<qsizetype>(expanded.size()));
}

QString NotLoaded(const QString &path, const QString &reason)
{
    return QStringLiteral("The picture \"%1\" could not be loaded: %2.").arg(QFileInfo(path).fileName(), reason);
}

} // namespace

QString PictureDialogFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("All images|%1|BMP|*.BMP|All Files|*.*").arg(patterns.join(QLatin1Char(';')));
}

std::vector<uint8_t> PictureForDesign(const QString &path, QString &problem,
                                      const std::function<bool(const QSize &)> &scaleDown)
{
    problem.clear();
    const QSize shown(kShownPictureSide, kShownPictureSide);
    // Whether a picture of that size is stored scaled down: a picture too large to be stored
    // whole is only ever taken scaled down, one the page shows whole never.
    const auto scaled = [&](const QSize &size) {
        if (size.width() <= shown.width() && size.height() <= shown.height())
            return false;
        return int64_t{size.width()} * size.height() > kMaxPicturePixels || scaleDown(size);
    };
    // A bitmap file is checked as a design's picture is, before anything is decoded: Qt's
    // reader takes one cut short as whole, the missing pixels leftover memory. One with more
    // pixels than a design holds is scaled down below.
    std::string bitmapFault;
    const std::vector<uint8_t> bitmap = BitmapFileBytes(path, bitmapFault);
    // A bitmap is decoded from the bytes already read, not read from the file again.
    QByteArray toDecode = bitmapFault.empty() ? ExpandedRunLength(bitmap) : QByteArray();
    if (toDecode.isEmpty())
        toDecode = QByteArray::fromRawData(reinterpret_cast<const char *>(bitmap.data()),
                                           static_cast<qsizetype>(bitmap.size()));
    QBuffer toDecodeBuffer(&toDecode);
    QImageReader reader(path);
    if (!toDecode.isEmpty())
        reader.setDevice(&toDecodeBuffer);
    reader.setAutoTransform(true);
    // The size from the file's header, when it tells one, is checked and the scale settled
    // before decoding: a large photo is decoded straight to the size it is stored at.
    // The size is stored before the file's orientation turns the picture; asked about as shown.
    const QSize announced = reader.size();
    const QSize announcedShown =
        reader.transformation() & QImageIOHandler::TransformationRotate90 ? announced.transposed() : announced;
    if (announced.isValid() && IsTooLarge(announced)) {
        problem = TooLarge(path, announcedShown);
        return {};
    }
    // A damaged bitmap is refused before the user is asked how to store it.
    if (!bitmapFault.empty()) {
        problem = NotLoaded(path, cp1252::ToQt(bitmapFault));
        return {};
    }
    const bool scaledOnReading = announced.isValid() && scaled(announcedShown);
    if (scaledOnReading)
        reader.setScaledSize(announced.scaled(shown, Qt::KeepAspectRatio));
    // A reader that cannot decode to a smaller size decodes the whole picture first, which may
    // pass Qt's usual limit on one picture's memory (8 bytes a pixel at most).
    const int usualLimit = QImageReader::allocationLimit();
    const auto limitBack = qScopeGuard([usualLimit] { QImageReader::setAllocationLimit(usualLimit); });
    if (scaledOnReading)
        QImageReader::setAllocationLimit(
            std::max<int>(usualLimit, static_cast<int>(int64_t{announced.width()} * announced.height() * 8 >> 20) + 1));
    const QImage read = reader.read();
    if (read.isNull()) {
        problem = NotLoaded(path, reader.errorString());
        return {};
    }
    if (IsTooLarge(read.size())) {
        problem = TooLarge(path, read.size());
        return {};
    }
    QImage picture = read;
    if (!announced.isValid() && scaled(read.size()))
        picture = read.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Transparent parts are shown on white, as a bitmap has no transparency.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!opaque.save(&buffer, "BMP")) {
        problem =
            QStringLiteral("The picture \"%1\" could not be converted to a bitmap.").arg(QFileInfo(path).fileName());
        return {};
    }
    std::vector<uint8_t> bytes(data.begin(), data.end());
    if (const std::string fault = BitmapProblem(bytes); !fault.empty()) {
        problem = QStringLiteral("The picture \"%1\" cannot be stored: %2.")
                      .arg(QFileInfo(path).fileName(), cp1252::ToQt(fault));
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
    } catch (const SheetBitmapError &) {
        return {};
    }
}

} // namespace aw
