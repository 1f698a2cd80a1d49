#pragma once

class QString;

namespace aw {

// A real number as the player types it in a box: with their locale's decimal separator ("2,5"
// under a German locale) or with the "." the boxes show, and where allowThousands is set also
// with the "," thousands separators such a box shows ("1,250.0"), or in the locale's own
// grouped form ("1.234,5" under a German locale) where that is not read so. Leading and trailing blanks
// are ignored. False, and value unchanged, when the text is not a number. Only the reading
// follows the locale: what the boxes show and what is stored never does.
bool ParseTypedReal(const QString &text, double &value, bool allowThousands = false);

} // namespace aw
