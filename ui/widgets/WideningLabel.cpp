#include "ui/widgets/WideningLabel.h"

#include <QLabel>

#include <algorithm>

namespace aw {

void ShowWidening(QLabel &label, const QString &text, int floorWidth)
{
    label.setText(text);
    // A set minimum width stands in for the text's own: the layout would cut a longer text to it.
    label.setMinimumWidth(std::max(floorWidth, label.sizeHint().width()));
}

} // namespace aw
