#pragma once

#include "ui/widgets/StartShownEdit.h"

namespace aw {

// An edit box that commits when the user leaves it: `exited` is emitted when it loses the
// keyboard focus to another control and when Return is pressed, but only when the user typed
// in it since the program last showed a text in it or the last commit, so leaving a box
// untouched never stores its shown, possibly rounded, text. What was typed is committed even
// when it reads as the shown text ("100" MP typed over a shown 100 for 603 KPH). Opening a menu
// or switching to another window does not count as leaving. What Windows-1252 cannot hold
// is refused as it is typed.
class ExitEdit : public StartShownEdit {
    Q_OBJECT
public:
    explicit ExitEdit(QWidget *parent = nullptr);

    // Commits a typed text now, as leaving the box would (e.g. before a spin button steps
    // the stored value or a dialog is confirmed).
    void CommitTyped();

signals:
    void Exited();

protected:
    bool event(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_shown;
};

} // namespace aw
