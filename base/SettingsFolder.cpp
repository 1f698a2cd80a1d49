#include "base/SettingsFolder.h"

#include "base/Files.h"
#include "base/FolderPath.h"
#include "base/Utf8Path.h"
#include "base/platform/Platform.h"

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
    return WithTrailingSeparator(Utf8FromPath(platform::UserDataHome())) + "Armorwright/Armorwright/";
}

std::string SettingsFolderFor(const std::string &programFolder)
{
    if (!programFolder.empty() && platform::FolderIsWritable(PathFromUtf8(programFolder)))
        return WithTrailingSeparator(programFolder);
    return UserDataFolder();
}

} // namespace aw
