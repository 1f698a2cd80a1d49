#include "base/SettingsFolder.h"
#include "base/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace aw {

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char *name, const std::optional<std::string> &value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentValue()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(SettingsFolder, UserDataFolderFollowsXdgDataHomeElseHome)
{
    {
        EnvironmentValue xdg("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(UserDataFolder(), "/data/home/Armorwright/Armorwright/");
    }
    {
        // A relative XDG_DATA_HOME is to be ignored.
        EnvironmentValue xdg("XDG_DATA_HOME", "relative/path");
        EnvironmentValue home("HOME", "/home/player");
        EXPECT_EQ(UserDataFolder(), "/home/player/.local/share/Armorwright/Armorwright/");
    }
}

TEST(SettingsFolder, WritableProgramFolderKeepsTheSettingsElseTheUserFolder)
{
    const TempFolder folder;
    const std::filesystem::path &base = folder.Path();
    EnvironmentValue xdg("XDG_DATA_HOME", base.string());

    EXPECT_EQ(SettingsFolderFor(base.string()), base.string() + "/");

    // A program folder that cannot be written (here: one that is not there at all).
    EXPECT_EQ(SettingsFolderFor((base / "no-such-install").string()), base.string() + "/Armorwright/Armorwright/");
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
