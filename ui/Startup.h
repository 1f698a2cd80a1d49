#pragma once

namespace aw {

// The editor program: start-up (program folder, title, splash screen, main window, a
// design named on the command line, the libraries), the message loop, and the settings
// written at the end. Returns the process exit code.
//
// Command line (ui/StartupOptions.h): [design.vkd [NEW]] opens a design (with NEW as an
// unsaved copy); --help and --version print and end; the hidden --quit-after-show ends the
// program once the main window has been shown (start-up timing), without writing the settings.
int RunArmorwright(int argc, char **argv);

} // namespace aw
