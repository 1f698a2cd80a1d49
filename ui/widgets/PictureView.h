#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace aw {

// The picture control of the Info page: an image display that, in stretch mode, scales
// the picture to fit while keeping its proportions (optionally centred) instead of
// distorting it to the control's shape.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // Whether the control currently covers its whole area itself (no background painted).
    bool IsOpaque() const;

    // Where the picture is drawn in this control.
    QRect DestRect() const;
    // Where a pw × ph picture is drawn in a W × H control.
    static QRect DestinationRect(int W, int H, int pw, int ph, bool stretch, bool center);

signals:
    void DoubleClicked();
    void MouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PictureChanged();
    void UpdateOpacity();

    QImage m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_transparent = false;
    bool m_drawing = false;
};

} // namespace aw
