#pragma once

// The message the "Contents" menu item and the movement editor's Help button show in place
// of a help system.
inline constexpr const char *kContentsText =
    "Armorwright has no help pages yet.\n\n"
    "Each edit box takes its new value when you leave it; the threat values and the cost "
    "are recomputed at once. \"View TV Log\" and \"View Price Log\" in this menu show every "
    "step of the calculation.";
