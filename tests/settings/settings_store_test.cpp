// Loading and saving the preferences: the first-run file, reading values as stored, saves that
// must never lose the file; and where the file lives and how its folders are made.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "settings/settings_document.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hashwell::settings {
namespace {

namespace fs = std::filesystem;

const AppSettings kDefaults{u"lower", 2, 1, 0};

class SettingsStore : public ::testing::Test {
protected:
    // The settings as loaded; how each load went is kept in `outcomes_`.
    AppSettings Load() {
        AppSettings settings;
        outcomes_.push_back(LoadSettings(path_, settings));
        return settings;
    }
    std::string FileBytes() const { return folder_.Read("Hashwell.ini"); }

    test::ScratchFolder folder_;
    std::u16string root_ = test::ToUtf16(folder_.path());
    std::u16string path_ = folder_.PathOf("Hashwell.ini");
    std::vector<LoadOutcome> outcomes_;
};

TEST_F(SettingsStore, FirstRunWritesTheDefaultFileAndTheNoticeComesOnlyOnce) {
    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/first_run.ini"));
    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/first_run.ini"));
    EXPECT_EQ(outcomes_, (std::vector{LoadOutcome::CreatedWithDefaults, LoadOutcome::Loaded}));
}

TEST_F(SettingsStore, SavingTheSameValuesDropsTheEmptyLinesBetweenGroups) {
    EXPECT_EQ(SaveSettings(path_, Load()), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/resaved.ini"));
}

TEST_F(SettingsStore, ForeignFileIsReadIgnoringCaseAndSavedAsUtf8WithTheMarkAndMissingGroups) {
    folder_.Write("Hashwell.ini", "; caf\xE9\n[conversion case]\ncase=UPPER\n[skins]\nskin = 3 \n");
    const AppSettings loaded = Load();
    EXPECT_EQ(loaded, (AppSettings{u"UPPER", 2, 3, 0}));
    EXPECT_EQ(SaveSettings(path_, loaded), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(),
              "\xEF\xBB\xBF\r\n; caf\xC3\xA9\r\n[conversion case]\r\nCase = UPPER\r\n"
              "[skins]\r\nSkin = 3\r\n[Data Format]\r\nFormat = 2\r\n"
              "[Drag and Drop]\r\nMainOnTop = No\r\n");
}

TEST_F(SettingsStore, ValuesAreTakenAsStoredWithoutValidation) {
    for (const std::vector<std::string>& row : test::ReadTable("settings/stored_values.txt")) {
        folder_.Write("Hashwell.ini", row[0]);
        EXPECT_EQ(Load(), (AppSettings{platform::Utf8ToUtf16(row[1]), std::stoll(row[2]),
                                       std::stoll(row[3]), std::stoll(row[4])}))
            << row[0];
        EXPECT_EQ(outcomes_.back(), LoadOutcome::Loaded);
    }
}

TEST_F(SettingsStore, ReadOnlyFileLoadsAndASaveLeavesItUntouchedSilently) {
    Load();
    const std::string before = FileBytes();
    fs::permissions(folder_.path() / "Hashwell.ini", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Load(), kDefaults);
    // Left as the user made it, which counts as saved: nothing is said.
    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 25, 3, 1}), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(), before);
}

#ifndef _WIN32  // a file-size limit for one process is POSIX's
TEST_F(SettingsStore, WriteErrorDuringASaveKeepsTheOldFileAndSaysSo) {
    Load();
    const std::string before = FileBytes();
    // A file-size limit below the new content makes the write fail part-way.
    EXPECT_TRUE(test::RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return SaveSettings(path_, {u"UPPER", 25, 3, 1}) == SaveOutcome::CannotSave;
    }));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}
#endif

TEST_F(SettingsStore, SaveWritesThroughASymbolicLinkAndKeepsPermissions) {
    HASHWELL_SKIP_UNDER_WINE("symbolic links");  // its CreateSymbolicLinkW makes none
    fs::create_directory(folder_.path() / "real");
    const fs::path target = folder_.path() / "real" / "target.ini";
    AppSettings ignored;
    LoadSettings(test::ToUtf16(target), ignored);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::perms permissions = fs::status(target).permissions();
    ASSERT_TRUE(test::MakeSymbolicLink(target, folder_.path() / "Hashwell.ini", false));

    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 24, 2, 1}), SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_symlink(folder_.path() / "Hashwell.ini"));
    EXPECT_EQ(fs::status(target).permissions(), permissions);
    EXPECT_EQ(Load(), (AppSettings{u"UPPER", 24, 2, 1}));
}

TEST_F(SettingsStore, FileLargerThanAnySettingsFileIsRefusedAndOneAtTheLimitLoads) {
    // Lines as short as a line can be give the most entries for the bytes.
    std::string lines = "[Skins]\nSkin = 3\n";
    lines.resize(kMaxSettingsFileSize, 'a');
    for (std::size_t i = lines.find('a') + 1; i < lines.size(); i += 2) {
        lines[i] = '\n';
    }
    folder_.Write("Hashwell.ini", lines);
    EXPECT_EQ(Load(), (AppSettings{u"lower", 2, 3, 0}));
    folder_.Write("Hashwell.ini", lines + "a");
    EXPECT_EQ(Load(), AppSettings{});
    EXPECT_EQ(outcomes_.back(), LoadOutcome::CannotOpen);
}

TEST_F(SettingsStore, FileRewrittenInPlaceKeepsItsOtherNamesItsOwnerAndAReadOnlyFolder) {
    test::ScratchCache cache;  // where a rewrite in place keeps the old content
    Load();
    const fs::path file = folder_.path() / "Hashwell.ini";
    fs::create_hard_link(file, folder_.path() / "other-name.ini");
    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 25, 3, 1}), SaveOutcome::Saved);
    EXPECT_EQ(folder_.Read("other-name.ini"), FileBytes());
    EXPECT_EQ(cache.Files(), std::vector<fs::path>{}) << "the old content's copy is gone";
    // Still one file; MinGW's hard_link_count always says 1, so ask the platform.
    EXPECT_EQ(platform::IdentityOf(path_), platform::IdentityOf(folder_.PathOf("other-name.ini")));
    fs::remove(folder_.path() / "other-name.ini");

    // In a folder the user may not write, the file is written in place too.
    fs::permissions(file, fs::perms::all);
    test::DenyCreatingFiles(folder_.path());
    const test::ScratchCache usersCache;  // the user's own, not the one root made folders in
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        AppSettings loaded;
        return SaveSettings(path_, {u"UPPER", 24, 3, 0}) == SaveOutcome::Saved &&
               LoadSettings(path_, loaded) == LoadOutcome::Loaded &&
               loaded == AppSettings{u"UPPER", 24, 3, 0};
    }));
    test::RestoreAccess(folder_.path());

#ifndef _WIN32
    if (::geteuid() != 0) {
        GTEST_SKIP() << "another user's file needs root to set up";
    }
    // Someone else's file that the user may write through its group, in a folder where the
    // user could put a new file in its place.
    constexpr uid_t kOwner = 1;  // daemon
    constexpr gid_t kSharedGroup = 65534;
    fs::permissions(folder_.path(), fs::perms::all);
    ASSERT_EQ(::chown(file.c_str(), kOwner, kSharedGroup), 0);
    fs::permissions(file, fs::perms{0664});  // rw-rw-r--
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return SaveSettings(path_, {u"lower", 24, 2, 0}) == SaveOutcome::Saved;
    }));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kOwner);
    EXPECT_EQ(Load(), (AppSettings{u"lower", 24, 2, 0}));
#endif
}

TEST_F(SettingsStore, TemporaryFileOfAnInterruptedSaveIsGoneAtTheNextStart) {
    Load();
    folder_.Write(".hashwell-save-a1B2c3", "half a save");
    folder_.Write(".hashwell-save-notmine", "kept");
    folder_.Write("notes.txt", "kept");
    Load();
    EXPECT_FALSE(fs::exists(folder_.path() / ".hashwell-save-a1B2c3"));
    EXPECT_TRUE(fs::exists(folder_.path() / ".hashwell-save-notmine"));
    EXPECT_TRUE(fs::exists(folder_.path() / "notes.txt"));
}

TEST_F(SettingsStore, MissingOrUnopenableFileIsReportedAndNotCreatedBySave) {
    EXPECT_EQ(SaveSettings(path_, kDefaults), SaveOutcome::CannotOpen);
    EXPECT_FALSE(fs::exists(folder_.path() / "Hashwell.ini"));
    fs::create_directory(folder_.path() / "Hashwell.ini");
    EXPECT_EQ(Load(), AppSettings{});
    EXPECT_EQ(outcomes_, std::vector{LoadOutcome::CannotOpen});
}

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

TEST_F(SettingsStore, PortableProgramKeepsItsSettingsBesideItself) {
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
TEST_F(SettingsStore, InstalledProgramUsesTheLocalApplicationDataFolder) {
    const SettingsLocation location = ResolveSettingsPath(
        Environment(u"C:\\Program Files\\Hashwell\\hashwell.exe", {{u"LOCALAPPDATA", root_}}));
    EXPECT_EQ(location.SettingsFilePath, root_ + u"\\Tarnvale\\Hashwell\\Hashwell.ini");
    EXPECT_TRUE(fs::is_directory(folder_.path() / "Tarnvale/Hashwell"));
}
#else
TEST_F(SettingsStore, InstalledProgramUsesTheConfigurationFolder) {
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
TEST_F(SettingsStore, UnsetBaseMeansTheRootWhereAnOrdinaryUserCannotCreateFolders) {
    EXPECT_TRUE(test::RunWithoutPrivileges([] {
        const SettingsLocation location =
            ResolveSettingsPath(Environment(u"/opt/tool/hashwell", {}));
        return location.SettingsFilePath == u"/Tarnvale/Hashwell/Hashwell.ini" &&
               location.uncreatedFolder == UncreatedFolder{u"/Tarnvale/", true};
    }));
}

#endif

TEST_F(SettingsStore, FileNamedLikeTheProductFolderFailsCreationThenLoading) {
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
