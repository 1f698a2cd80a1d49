#pragma once

class QWidget;

namespace aw {

// Gives an input box the normal window colour (editable look) or the button-face colour
// (the look of a box that cannot be typed into).
void SetBoxColour(QWidget *box, bool windowColour);

} // namespace aw
