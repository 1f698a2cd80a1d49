#pragma once

#include <QPixmap>
#include <QSize>

namespace aw {

// The program's own artwork, painted at run time so no image file has to ship:
// the banner of the splash screen and the About box, and the small emblem beside it.
QPixmap MakeBanner(QSize size);
QPixmap MakeEmblem(QSize size);

} // namespace aw
