#pragma once

#include <functional>

class QWidget;

namespace aw {

// Return (or keypad Enter) pressed in a library list does what a double-click on its selected
// entry does: `act` runs once for each press, a held key repeating nothing. The key goes no
// further.
void ActOnReturn(QWidget &list, std::function<void()> act);

} // namespace aw
