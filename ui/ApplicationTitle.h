#pragma once

#include "base/ProgramVersion.h" // kProgramTitle, the title set at start-up

#include <QString>

namespace aw {

// The application title shown in the main window caption, the About box and message
// boxes. Kept apart from Qt's display name, which some platforms append to every caption.
QString ApplicationTitle();
void SetApplicationTitle(const QString &title);

} // namespace aw
