#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons, one above the other, that report up and down clicks
// (holding a button repeats). It holds no value: the handlers decide what a click does.
class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget *parent = nullptr);

    QToolButton *UpButton() const { return m_up; }
    QToolButton *DownButton() const { return m_down; }

signals:
    void upClick();
    void downClick();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
