#include "ui/widgets/StartShownEdit.h"

#include <QFocusEvent>

namespace aw {

StartShownEdit::StartShownEdit(QWidget *parent) : QLineEdit(parent)
{
    // A text the validator has put in a form it accepts comes back with the modified state
    // cleared, yet it is still the user's edit.
    connect(this, &QLineEdit::textEdited, this, [this] { setModified(true); });
    // setText moves the cursor to the end, also when the text stays the same. The user's
    // edits come in events to the box or leave it modified; a box with the focus is the
    // user's (e.g. while the arrow keys step its value); a selection is meant.
    const auto showStart = [this] {
        if (m_eventDepth == 0 && !hasFocus() && !isModified() && !hasSelectedText())
            setCursorPosition(0);
    };
    connect(this, &QLineEdit::textChanged, this, showStart);
    connect(this, &QLineEdit::cursorPositionChanged, this, showStart);
}

bool StartShownEdit::event(QEvent *event)
{
    ++m_eventDepth;
    const bool handled = QLineEdit::event(event);
    --m_eventDepth;
    // Left for good (not for a menu or another window): the box reads from its start again,
    // also when the text shown in answer to leaving it is the one typed.
    if (event->type() == QEvent::FocusOut && m_eventDepth == 0 && !isModified() && !hasFocus()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            setCursorPosition(0);
    }
    return handled;
}

} // namespace aw
