#pragma once

#include <QScrollArea>

namespace aw {

// Holds the body of a page that needs more room than a small screen at a large scale leaves
// (1366 x 768 at 150 %). It asks for the body's whole size, so a window with room shows the
// body exactly as it would be shown without it; only a window made smaller than the body
// scrolls it. A box the keyboard moves into is scrolled into view, and while the body scrolls,
// the mouse wheel over a drop-down list the user is not in scrolls the page instead of
// changing the design.
class PageScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // Takes body, with all its controls made, as its child and fills parent's whole room with it.
    PageScrollArea(QWidget *body, QWidget &parent);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace aw
