#include "ui/widgets/DesignedWidth.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace aw {

int DesignedWidth(const QFontMetrics &metrics, int designed)
{
    constexpr double kDesignedCharWidth = 5.0;
    const double scale = std::max(1.0, metrics.averageCharWidth() / kDesignedCharWidth);
    return static_cast<int>(std::lround(designed * scale));
}

} // namespace aw
