#pragma once

#include <QString>

// The application title shown in the main window caption, the About box and message
// boxes. Kept apart from Qt's display name, which some platforms append to every caption.
QString ApplicationTitle();
void SetApplicationTitle(const QString &title);

// The title the program sets at start-up.
inline constexpr const char *kProgramTitle = "Armorwright V0.6.8d";
