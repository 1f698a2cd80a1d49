#include "ui/widgets/BoxColour.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace aw {

void SetBoxColour(QWidget *box, bool windowColour)
{
    QPalette palette = box->palette();
    const QPalette standard = QApplication::palette(box);
    const QColor colour = windowColour ? standard.color(QPalette::Base) : standard.color(QPalette::Button);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

} // namespace aw
