// Where the settings file lives and how its folders are made.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "settings/settings_location.h"
#include "settings/settings_store.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

namespace hashwell::settings {
namespace {

namespace fs = std::filesystem;

SettingsEnvironment Environment(std::u16string programPath,
                                std::map<std::u16string, std::u16string> variables) {
    return {std::move(programPath), [variables](std::u16string_view name) {
                const auto found = variables.find(std::u16string(name));
                return found == variables.end() ? std::nullopt
                                                : std::optional<std::u16string>(found->second);
            }};
}

// A path written with "/" in the system's own separators.
std::u16string Native(std::u16string path) {
    std::replace(path.begin(), path.end(), u'/', platform::kPathSeparator);
    return path;
}

TEST(JoinPath, PutsExactlyOneSeparatorBetween) {
    EXPECT_EQ(JoinPath(Native(u"/a"), u"b"), Native(u"/a/b"));
    EXPECT_EQ(JoinPath(Native(u"/a/"), u"b"), Native(u"/a/b"));
    EXPECT_EQ(JoinPath(Native(u"/a"), Native(u"/b")), Native(u"/a/b"));
    EXPECT_EQ(JoinPath(Native(u"/a/"), Native(u"/b")), Native(u"/a/b"));
    EXPECT_EQ(JoinPath(u"", Native(u"/")), Native(u"/"));
}

TEST(InstalledLocation, SystemAndBinFoldersProgramFilesInAnyCaseAndUnwritableFoldersCount) {
    EXPECT_TRUE(IsInstalledLocation(Native(u"/home/ann/PROGRAM FILES (X86)/Tool/")));
    EXPECT_FALSE(IsInstalledLocation(Native(u"/home/ann/tools/")));
#ifdef _WIN32
    EXPECT_TRUE(IsInstalledLocation(u"C:\\Program Files\\Hashwell\\"));
    EXPECT_FALSE(IsInstalledLocation(u"C:\\usr\\bin\\"));
#else
    EXPECT_TRUE(IsInstalledLocation(u"/usr/bin/"));
    EXPECT_TRUE(IsInstalledLocation(u"/opt/hashwell/"));
    EXPECT_FALSE(IsInstalledLocation(u"/usrlocal/hashwell/"));
    EXPECT_TRUE(IsInstalledLocation(u"/home/ann/.local/bin/"));
    EXPECT_TRUE(IsInstalledLocation(u"/srv/tools/bin/"));
    test::ScratchFolder folder;
    const fs::path binaries = folder.path() / "binaries";
    fs::create_directory(binaries);
    EXPECT_FALSE(IsInstalledLocation(test::ToUtf16(binaries) + u"/"));
    test::DenyCreatingFiles(binaries);
    EXPECT_TRUE(IsInstalledLocation(test::ToUtf16(binaries) + u"/"));
#endif
}

class SettingsLocationTest : public ::testing::Test {
protected:
    test::ScratchFolder folder_;
    std::u16string root_ = test::ToUtf16(folder_.path());
};

TEST_F(SettingsLocationTest, PortableProgramKeepsItsSettingsBesideItself) {
    fs::create_directory(folder_.path() / "tools");
    const SettingsLocation location = ResolveSettingsPath(Environment(
        root_ + Native(u"/tools/hashwell"),
        {{u"XDG_CONFIG_HOME", Native(u"/nowhere")}, {u"LOCALAPPDATA", Native(u"/nowhere")}}));
    EXPECT_EQ(location.SettingsFolder, root_ + Native(u"/tools/Tarnvale/Hashwell/"));
    EXPECT_EQ(location.SettingsFilePath, root_ + Native(u"/tools/Tarnvale/Hashwell/Hashwell.ini"));
    EXPECT_TRUE(fs::is_directory(folder_.path() / "tools/Tarnvale/Hashwell"));
    EXPECT_FALSE(location.uncreatedFolder);
}

#ifdef _WIN32
TEST_F(SettingsLocationTest, InstalledProgramUsesTheLocalApplicationDataFolder) {
    const SettingsLocation location = ResolveSettingsPath(
        Environment(u"C:\\Program Files\\Hashwell\\hashwell.exe", {{u"LOCALAPPDATA", root_}}));
    EXPECT_EQ(location.SettingsFilePath, root_ + u"\\Tarnvale\\Hashwell\\Hashwell.ini");
    EXPECT_TRUE(fs::is_directory(folder_.path() / "Tarnvale/Hashwell"));
}
#else
TEST_F(SettingsLocationTest, InstalledProgramUsesTheConfigurationFolder) {
    const auto program = u"/usr/bin/hashwell";
    EXPECT_EQ(ResolveSettingsPath(Environment(program, {{u"XDG_CONFIG_HOME", root_ + u"/xdg/"},
                                                        {u"HOME", u"/nowhere"}}))
                  .SettingsFilePath,
              root_ + u"/xdg/Tarnvale/Hashwell/Hashwell.ini");
    // Without XDG_CONFIG_HOME it is ~/.config, made when the home folder lacks it.
    EXPECT_EQ(ResolveSettingsPath(Environment(program, {{u"HOME", root_}})).SettingsFolder,
              root_ + u"/.config/Tarnvale/Hashwell/");
    EXPECT_TRUE(fs::is_directory(folder_.path() / ".config/Tarnvale/Hashwell"));
}

// On Windows the root of the system drive takes new folders, so there is no such test there.
TEST_F(SettingsLocationTest, UnsetBaseMeansTheRootWhereAnOrdinaryUserCannotCreateFolders) {
    EXPECT_TRUE(test::RunWithoutPrivileges([] {
        const SettingsLocation location =
            ResolveSettingsPath(Environment(u"/opt/tool/hashwell", {}));
        return location.SettingsFilePath == u"/Tarnvale/Hashwell/Hashwell.ini" &&
               location.uncreatedFolder == UncreatedFolder{u"/Tarnvale/", true};
    }));
}

#endif

TEST_F(SettingsLocationTest, FileNamedLikeTheProductFolderFailsCreationThenLoading) {
    fs::create_directories(folder_.path() / "app/Tarnvale");
    folder_.Write("app/Tarnvale/Hashwell", "not a folder");
    const SettingsLocation location =
        ResolveSettingsPath(Environment(root_ + Native(u"/app/hashwell"), {}));
    EXPECT_EQ(location.uncreatedFolder,
              (UncreatedFolder{root_ + Native(u"/app/Tarnvale/Hashwell"), false}));
    AppSettings settings;
    EXPECT_EQ(LoadSettings(location.SettingsFilePath, settings), LoadOutcome::CannotCreate);
    EXPECT_EQ(settings, AppSettings{});
}

}  // namespace
}  // namespace hashwell::settings
