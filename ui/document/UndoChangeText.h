#pragma once

#include "base/NumberFormat.h"

#include <QString>

#include <string>
#include <vector>

namespace aw {

struct UndoState;

// A field name in words: "SensorRating" -> "Sensor Rating", "weapons" -> "Weapons".
QString FieldWords(const std::string &field);

// The name of a change for the "Undo"/"Redo" items, from the paths of the fields that differ
// before and after it (DifferingFieldPaths): "Armor change", "Weapons change". Values the
// constraint pass raises by itself (Armor, FinalSize, Crew) name the change only when nothing
// else changed.
QString UndoChangeName(const std::vector<std::string> &paths);

// The change line of the results area: the threat value and the final cost after a change
// with their difference from before it ("TV 1234.0 (+56.0)   Final Cost 2,000.00 Cr (-10.00)"),
// each written as the results area writes it.
QString ResultChangeText(const UndoState &from, const UndoState &to, NumberSeparators separators = {});

} // namespace aw
