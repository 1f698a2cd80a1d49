#pragma once

#include <QLabel>

namespace aw {

// A one-line label that fits any width its layout gives it: a text too long for the room ends
// in "…", and pointing at the label shows the whole text as its tooltip. text() is always the
// whole text, and a text that fits looks as in a plain label.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Whether the text is cut short at the label's present width.
    bool IsElided() const;
};

} // namespace aw
