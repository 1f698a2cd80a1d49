#pragma once

#include <QString>

namespace aw {

// The path a save dialog returns, completed for the file type chosen there: number
// `fileType` of the "Description|patterns|…" filter. A name that does not end in an extension
// of the filter's types gets the first one of the type chosen ("Tiger Mk.II" becomes
// "Tiger Mk.II.vkd"); a type without one ("All Files|*.*") keeps the name as typed.
QString WithFileTypeExtension(const QString &path, const QString &filter, int fileType);

} // namespace aw
