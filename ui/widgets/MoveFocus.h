#pragma once

class QWidget;

namespace aw {

// Gives target the focus, so the box being typed in is left and takes what was typed. An
// inactive window does not move its focus: then the box is told that it was left all the same.
void MoveFocus(QWidget &target);

} // namespace aw
