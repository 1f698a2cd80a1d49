#pragma once

class QLabel;
class QWidget;

namespace aw {

// How a result stands out: in a sunken box on a page, or in bold in the window's result band.
enum class ResultLook { SunkenBox, Bold };

// A label that shows a computed result: named for lookups, its text selectable for copying.
QLabel *NewResultLabel(const char *name, ResultLook look, QWidget *parent);

} // namespace aw
