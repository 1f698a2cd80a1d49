#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QFocusEvent;
class QWidget;

namespace aw {

// A text box with the keyboard focus takes the undo and redo keys for the typing made in it
// since it took the focus (and redo for what those keys undid). Otherwise, also when its own
// history still holds older typing, this lets the key go on to the design's Undo (or Redo)
// command that the Edit menu advertises with it.
class TextUndoFallback : public QObject {
public:
    // Watches the text boxes of window; undo and redo are its design commands.
    TextUndoFallback(QWidget *window, QAction *undo, QAction *redo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void NoteFocus(QObject *control, const QFocusEvent &event);
    // Whether the focused control takes the undo (or redo) key itself.
    bool KeepsTheKey(QObject *control, bool undo);

    QWidget *m_window;
    QAction *m_undo;
    QAction *m_redo;
    QPointer<QWidget> m_box; // the text box that last took the focus
    QString m_textAtFocus;
    bool m_undidOwnTyping = false; // the box undid typing of its own since then
};

} // namespace aw
