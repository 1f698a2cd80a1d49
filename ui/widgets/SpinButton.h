#pragma once

#include <QWidget>

class QToolButton;
namespace aw {

class ExitEdit;

// A pair of small arrow buttons, one above the other, that report up and down clicks
// (holding a button repeats). It holds no value: the handlers decide what a click does.
// A click first commits what is being typed in the box it steps, so the step starts
// from the typed value.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *UpButton() const { return m_up; }
    QToolButton *DownButton() const { return m_down; }
    // The box whose typed text a click commits before it steps.
    void SetBox(ExitEdit *box) { m_box = box; }

signals:
    void UpClick();
    void DownClick();

private:
    void CommitBox();

    QToolButton *m_up;
    QToolButton *m_down;
    ExitEdit *m_box = nullptr;
};

} // namespace aw
