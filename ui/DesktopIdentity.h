#pragma once

namespace aw {

// Tells the desktop which program the windows belong to: the version, the window icon and
// the name of the desktop entry ("armorwright.desktop", which Wayland matches windows to).
void SetDesktopIdentity();

} // namespace aw
