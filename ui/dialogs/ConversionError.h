#pragma once

#include <QString>

namespace aw {

// The standard message for text that does not convert to a number, as the dialogs'
// number boxes show it when they are left: "'abc' is not a valid integer value".
QString ConversionError(const QString &text, bool real);

} // namespace aw
