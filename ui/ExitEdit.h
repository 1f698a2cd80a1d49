#pragma once

#include <QLineEdit>

// An edit box that commits when the user leaves it: `exited` is emitted whenever it loses
// the keyboard focus to another control (also with unchanged text) and when Return is
// pressed. Opening a menu or switching to another window does not count as leaving.
class TExitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TExitEdit(QWidget *parent = nullptr);

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
