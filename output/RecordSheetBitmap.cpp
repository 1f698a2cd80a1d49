#include "output/RecordSheetBitmap.h"

#include "engine/DesignFilePicture.h"

#include <QByteArrayView>

#include <string>

namespace aw {

QImage LoadSheetBitmap(const std::vector<uint8_t> &bitmapFile)
{
    const std::string problem = BitmapProblem(bitmapFile);
    if (!problem.empty())
        throw SheetBitmapError("Not a usable bitmap: " + problem);
    QImage image;
    const QByteArrayView data(reinterpret_cast<const char *>(bitmapFile.data()),
                              static_cast<qsizetype>(bitmapFile.size()));
    if (!image.loadFromData(data, "BMP") || image.isNull())
        throw SheetBitmapError("Not a usable bitmap: it could not be decoded");
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace aw
