#include "ui/widgets/ResultLabel.h"

#include <QLabel>

namespace aw {

QLabel *NewResultLabel(const char *name, ResultLook look, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (look == ResultLook::SunkenBox) {
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(90);
        label->setMaximumWidth(170);
    } else {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setTextFormat(Qt::PlainText); // the cost carries the currency name the user typed
    }
    return label;
}

} // namespace aw
