#pragma once

class QObject;
class QWidget;

namespace aw {

// The text box a control stands for: an edit line or a memo itself, an editable combo box's
// edit line; null for any other control.
QWidget *TextBoxOf(QObject *control);

} // namespace aw
