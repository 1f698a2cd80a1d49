#include "base/SettingsFolder.h"
#include "base/Files.h"
#include "base/Utf8Path.h"
#include "base/platform/Platform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace aw {

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char *name, const std::optional<std::string> &value)
        : m_name(name), m_old(platform::EnvironmentValue(name))
    {
        platform::SetEnvironmentValue(m_name, value);
    }
    ~EnvironmentValue() { platform::SetEnvironmentValue(m_name, m_old); }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

// The variable naming the user's data folder.
#ifdef _WIN32
const char *const kDataHome = "APPDATA";
#else
const char *const kDataHome = "XDG_DATA_HOME";
#endif

} // namespace

#ifdef _WIN32
TEST(SettingsFolder, UserDataFolderFollowsAppData)
{
    {
        EnvironmentValue appData(kDataHome, "C:\\Users\\Player\\AppData\\Roaming");
        EXPECT_EQ(UserDataFolder(), "C:\\Users\\Player\\AppData\\Roaming/Armorwright/Armorwright/");
    }
    {
        // A relative one is to be ignored.
        EnvironmentValue appData(kDataHome, "relative\\path");
        EXPECT_EQ(UserDataFolder().find("relative"), std::string::npos);
    }
}
#else
TEST(SettingsFolder, UserDataFolderFollowsXdgDataHomeElseHome)
{
    {
        EnvironmentValue xdg(kDataHome, "/data/home");
        EXPECT_EQ(UserDataFolder(), "/data/home/Armorwright/Armorwright/");
    }
    {
        // A relative XDG_DATA_HOME is to be ignored.
        EnvironmentValue xdg(kDataHome, "relative/path");
        EnvironmentValue home("HOME", "/home/player");
        EXPECT_EQ(UserDataFolder(), "/home/player/.local/share/Armorwright/Armorwright/");
    }
    {
        // Without either, the user's home folder still holds it, not the shared temporary folder.
        EnvironmentValue xdg(kDataHome, std::nullopt);
        EnvironmentValue home("HOME", std::nullopt);
        const std::string folder = UserDataFolder();
        EXPECT_TRUE(folder.ends_with("/.local/share/Armorwright/Armorwright/")) << folder;
        EXPECT_FALSE(folder.starts_with(Utf8FromPath(std::filesystem::temp_directory_path()))) << folder;
    }
}
#endif

TEST(SettingsFolder, WritableProgramFolderKeepsTheSettingsElseTheUserFolder)
{
    const TempFolder folder;
    const std::filesystem::path &base = folder.Path();
    const std::string text = Utf8FromPath(base);
    EnvironmentValue dataHome(kDataHome, text);

    EXPECT_EQ(SettingsFolderFor(text), text + "/");

    // A program folder that cannot be written (here: one that is not there at all).
    EXPECT_EQ(SettingsFolderFor(text + "/no-such-install"), text + "/Armorwright/Armorwright/");
}

TEST(SettingsFolder, IsTheProgramFolderUntilSet)
{
    const std::string program = ProgramFolder();
    SetProgramFolder("/opt/armorwright");
    EXPECT_EQ(SettingsFolder(), "/opt/armorwright/");
    SetSettingsFolder("/home/player/settings");
    EXPECT_EQ(SettingsFolder(), "/home/player/settings/");
    EXPECT_EQ(ProgramFolder(), "/opt/armorwright/");
    SetProgramFolder(program);
}

} // namespace aw
