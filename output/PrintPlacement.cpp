#include "output/PrintPlacement.h"

#include <cstdint>

namespace aw {

QRect PlaceSheetOnPage(QSize image, QRect printableArea)
{
    const int areaWidth = printableArea.width() - kPrintShrink;
    const int areaHeight = printableArea.height() - kPrintShrink;
    if (image.width() <= 0 || image.height() <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {};
    // The smaller scale, compared and applied in whole numbers so the limiting side fills
    // the area exactly.
    const int64_t iw = image.width(), ih = image.height();
    const bool widthLimits = areaWidth * ih <= areaHeight * iw;
    const int width = widthLimits ? areaWidth : static_cast<int>(iw * areaHeight / ih);
    const int height = widthLimits ? static_cast<int>(ih * areaWidth / iw) : areaHeight;
    int left = printableArea.left(), top = printableArea.top();
    int right = left + areaWidth, bottom = top + areaHeight;
    const int spareX = (areaWidth - width) / 2;
    const int spareY = (areaHeight - height) / 2;
    left += spareX;
    right -= spareX;
    top += spareY;
    bottom -= spareY;
    return QRect(left + kPrintOffset, top + kPrintOffset, right - left, bottom - top);
}

} // namespace aw
