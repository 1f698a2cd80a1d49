#pragma once

#include <QWidget>

class QAbstractItemView;
class QToolButton;
namespace aw {

class ExitEdit;

// A pair of small arrow buttons, one above the other, that report up and down clicks
// (holding a button repeats). It holds no value: the handlers decide what a click does.
// A click first commits what is being typed, in the box it steps (so the step starts from
// the typed value) or in any other box of the window. The arrow keys in the box (or Ctrl with them in a list the
// buttons reorder) click them too: the buttons themselves take no focus.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *UpButton() const { return m_up; }
    QToolButton *DownButton() const { return m_down; }
    // The box whose typed text a click commits before it steps; Up and Down in it step.
    void SetBox(ExitEdit *box);
    // Ctrl+Up and Ctrl+Down in the list click the buttons.
    void SetList(QAbstractItemView *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void UpClick();
    void DownClick();

private:
    void TakeTypedValues();

    QToolButton *m_up;
    QToolButton *m_down;
    ExitEdit *m_box = nullptr;
    QAbstractItemView *m_list = nullptr;
};

} // namespace aw
