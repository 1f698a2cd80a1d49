#include "base/SettingsFolder.h"

#include "base/Files.h"
#include "base/FolderPath.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace aw {

namespace {

std::string g_settingsFolder;
bool g_settingsFolderSet = false;

} // namespace

const std::string &SettingsFolder() { return g_settingsFolderSet ? g_settingsFolder : ProgramFolder(); }

void SetSettingsFolder(std::string folder)
{
    g_settingsFolder = WithTrailingSeparator(std::move(folder));
    g_settingsFolderSet = true;
}

std::string UserDataFolder()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    std::string base;
    if (dataHome && *dataHome == '/')
        base = dataHome;
    else if (home && *home)
        base = std::string(home) + "/.local/share";
    else
        base = std::filesystem::temp_directory_path().string();
    return WithTrailingSeparator(base) + "Armorwright/Armorwright/";
}

std::string SettingsFolderFor(const std::string &programFolder)
{
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0)
        return WithTrailingSeparator(programFolder);
    return UserDataFolder();
}

} // namespace aw
