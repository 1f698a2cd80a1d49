#pragma once

#include <string>

namespace aw {

// The folder "Screen.zel" and "Custom.zel" are read from and written to. A program kept in a
// folder of its own (unpacked beside its designs, say) keeps them there, in the program
// folder. Installed where the user cannot write, it keeps them in the user's data folder for
// the program instead, so its settings and custom weapons are still remembered.
const std::string &SettingsFolder();
// Sets it (a trailing separator is added); until then it is the program folder.
void SetSettingsFolder(std::string folder);

// The settings folder for a program folder: the program folder when it can be written, else
// UserDataFolder(). Reading needs nothing more; the editor makes the folder before it writes.
std::string SettingsFolderFor(const std::string &programFolder);
// The user's data folder for the program, "$XDG_DATA_HOME/Armorwright/Armorwright/" or
// "~/.local/share/Armorwright/Armorwright/" (on Windows "%APPDATA%/Armorwright/Armorwright/"):
// the folder Qt names the editor's application data location, where it also keeps recovery
// copies of unsaved designs.
std::string UserDataFolder();

} // namespace aw
