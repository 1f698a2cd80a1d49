#include "output/RecordSheetBitmap.h"

#include "engine/BitmapRunLength.h"
#include "engine/DesignFilePicture.h"

#include <QByteArrayView>

#include <string>

namespace aw {

QImage LoadSheetBitmap(const std::vector<uint8_t> &bitmapFile)
{
    const std::string problem = BitmapProblem(bitmapFile);
    if (!problem.empty())
        throw SheetBitmapError("Not a usable bitmap: " + problem);
    // Qt's reader leaves the pixels run-length data skips uninitialised: expanded here instead.
    const std::vector<uint8_t> expanded =
        IsRunLengthBitmap(bitmapFile) ? ExpandRunLengthBitmap(bitmapFile) : std::vector<uint8_t>();
    const std::vector<uint8_t> &file = expanded.empty() ? bitmapFile : expanded;
    QImage image;
    const QByteArrayView data(reinterpret_cast<const char *>(file.data()), static_cast<qsizetype>(file.size()));
    if (!image.loadFromData(data, "BMP") || image.isNull())
        throw SheetBitmapError("Not a usable bitmap: it could not be decoded");
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace aw
