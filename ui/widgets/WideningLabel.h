#pragma once

class QLabel;
class QString;

namespace aw {

// Shows a computed value in a label whose set width is only a floor: a longer text widens the
// label, and its window when needed, instead of losing digits at the edge. The floor keeps a
// column steady while values of the usual length come and go.
void ShowWidening(QLabel &label, const QString &text, int floorWidth);

} // namespace aw
