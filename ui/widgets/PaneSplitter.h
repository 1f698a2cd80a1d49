#pragma once

#include <QWidget>

class QFrame;

namespace aw {

// Two panes side by side with a handle between them to drag. One pane keeps its width
// when the splitter grows or shrinks; the other takes the rest. The kept width is the
// pane's own width, so resizing that pane from outside (a remembered layout value being
// applied, even while the page is hidden) moves the handle. No pane gets narrower than
// the minimum while there is room.
class PaneSplitter : public QWidget {
    Q_OBJECT
public:
    enum class KeptSide { Left, Right };

    // The smallest a pane may be along the side a splitter divides (also the Weapons page's).
    static constexpr int MinimumPaneSize = 110;

    // Takes both panes as children. keptWidth is the kept pane's width to start with.
    PaneSplitter(QWidget *kept, QWidget *filling, KeptSide side, int keptWidth, QWidget *parent = nullptr);

    QWidget *KeptPane() const { return m_kept; }
    QFrame *Handle() const { return m_handle; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes a width the kept pane was given from outside as the wanted width.
    void AdoptOutsideWidth();
    void Arrange();
    int ClampedKeptWidth(int wanted) const;

    QWidget *m_kept;
    QWidget *m_filling;
    QFrame *m_handle;
    KeptSide m_side;
    int m_wantedWidth;   // the kept pane's width when there is room for it
    int m_assignedWidth; // the width Arrange gave the kept pane last
    int m_dragOffset = 0;
};

} // namespace aw
