#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace aw {

// A text box with the keyboard focus takes the undo and redo keys for its own typing. When
// it has nothing of its own to undo (or redo), this lets the key go on to the design's Undo
// (or Redo) command that the Edit menu advertises with it.
class TextUndoFallback : public QObject {
public:
    // Watches the text boxes of window; undo and redo are its design commands.
    TextUndoFallback(QWidget *window, QAction *undo, QAction *redo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace aw
