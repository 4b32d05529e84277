// Loading and saving the preferences: the first-run file, reading values as stored, and
// saves that must never lose the file.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "settings/settings_store.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"
#include "support/vector_file.h"

namespace hashwell::settings {
namespace {

namespace fs = std::filesystem;
using platform::MessageBoxRequest;
using platform::MessageIcon;

const AppSettings kDefaults{u"lower", 2, 1, 0};

class SettingsStore : public ::testing::Test {
protected:
    AppSettings Load() {
        AppSettings settings;
        LoadSettings(path_, settings, desktop_);
        return settings;
    }
    std::string FileBytes() const { return folder_.Read("Hashwell.ini"); }

    test::ScratchFolder folder_;
    std::u16string path_ = folder_.PathOf("Hashwell.ini");
    test::FakeDesktop desktop_;
};

MessageBoxRequest ErrorBox(std::u16string text) {
    return {u"Error", std::move(text), MessageIcon::Error, platform::MessageButtons::Ok};
}

TEST_F(SettingsStore, FirstRunWritesTheDefaultFileAndTheNoticeComesOnlyOnce) {
    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/first_run.ini"));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].title, u"Notice");
    EXPECT_EQ(desktop_.boxes[0].icon, MessageIcon::Information);

    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/first_run.ini"));
}

TEST_F(SettingsStore, SavingTheSameValuesDropsTheEmptyLinesBetweenGroups) {
    SaveSettings(path_, Load(), desktop_);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/resaved.ini"));
}

TEST_F(SettingsStore, ForeignFileIsReadIgnoringCaseAndSavedWithTheMarkAndMissingGroups) {
    folder_.Write("Hashwell.ini", "[conversion case]\ncase=UPPER\n[skins]\nskin = 3 \n");
    const AppSettings loaded = Load();
    EXPECT_EQ(loaded, (AppSettings{u"UPPER", 2, 3, 0}));
    SaveSettings(path_, loaded, desktop_);
    EXPECT_EQ(FileBytes(),
              "\xEF\xBB\xBF\r\n[conversion case]\r\nCase = UPPER\r\n[skins]\r\nSkin = 3\r\n"
              "[Data Format]\r\nFormat = 2\r\n[Drag and Drop]\r\nMainOnTop = No\r\n");
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(SettingsStore, ValuesAreTakenAsStoredWithoutValidation) {
    struct Case {
        std::string line;
        AppSettings expected;
    };
    const Case cases[] = {
        {"[Data Format]\nFormat = 25abc", {u"lower", 25, 1, 0}},
        {"[Data Format]\nFormat = x", {u"lower", 0, 1, 0}},
        {"[Data Format]\nFormat =", {u"lower", 0, 1, 0}},
        {"[Data Format]\nFormat = 7", {u"lower", 7, 1, 0}},
        {"[Drag and Drop]\nMainOnTop = YES", {u"lower", 2, 1, 1}},
        {"[Drag and Drop]\nMainOnTop = yes", {u"lower", 2, 1, 1}},
        {"[Drag and Drop]\nMainOnTop = True", {u"lower", 2, 1, 0}},
        {"[Drag and Drop]\nMainOnTop = 1", {u"lower", 2, 1, 0}},
        {"[Conversion Case]\nCase = Upper", {u"Upper", 2, 1, 0}},
        {"[Conversion Case]\nCase = \t UPPER  ", {u"UPPER", 2, 1, 0}},
        {"[Conversion Case]\nCase = caf\xE9", {u"caf\u00e9", 2, 1, 0}},
    };
    for (const Case& c : cases) {
        folder_.Write("Hashwell.ini", c.line);
        EXPECT_EQ(Load(), c.expected) << c.line;
    }
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(SettingsStore, Latin1ByteIsWrittenBackAsUtf8) {
    folder_.Write("Hashwell.ini", "; caf\xE9\n");
    SaveSettings(path_, kDefaults, desktop_);
    EXPECT_TRUE(FileBytes().starts_with("\xEF\xBB\xBF\r\n; caf\xC3\xA9\r\n"));
}

TEST_F(SettingsStore, ReadOnlyFileLoadsAndASaveLeavesItUntouchedSilently) {
    Load();
    const std::string before = FileBytes();
    fs::permissions(folder_.path() / "Hashwell.ini", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Load(), kDefaults);
    SaveSettings(path_, {u"UPPER", 25, 3, 1}, desktop_);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(desktop_.boxes.size(), 1u) << "only the first run's notice";
}

TEST_F(SettingsStore, WriteErrorDuringASaveKeepsTheOldFileAndSaysSo) {
    Load();
    const std::string before = FileBytes();
    // A file-size limit below the new content makes the write fail part-way.
    EXPECT_TRUE(test::RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        test::FakeDesktop desktop;
        SaveSettings(path_, {u"UPPER", 25, 3, 1}, desktop);
        return desktop.boxes.size() == 1 &&
               desktop.boxes[0] == ErrorBox(u"Could not save Preferences file!");
    }));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(SettingsStore, SaveWritesThroughASymbolicLinkAndKeepsPermissions) {
    fs::create_directory(folder_.path() / "real");
    const fs::path target = folder_.path() / "real" / "target.ini";
    AppSettings ignored;
    LoadSettings(test::ToUtf16(target), ignored, desktop_);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, folder_.path() / "Hashwell.ini");

    SaveSettings(path_, {u"UPPER", 24, 2, 1}, desktop_);
    EXPECT_TRUE(fs::is_symlink(folder_.path() / "Hashwell.ini"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Load(), (AppSettings{u"UPPER", 24, 2, 1}));
}

TEST_F(SettingsStore, MissingOrUnopenableFileIsReportedAndNotCreatedBySave) {
    SaveSettings(path_, kDefaults, desktop_);
    EXPECT_FALSE(fs::exists(folder_.path() / "Hashwell.ini"));
    fs::create_directory(folder_.path() / "Hashwell.ini");
    EXPECT_EQ(Load(), AppSettings{});
    EXPECT_EQ(desktop_.boxes, (std::vector{ErrorBox(u"Could not open Preferences file!"),
                                           ErrorBox(u"Could not open Preferences file!")}));
}

}  // namespace
}  // namespace hashwell::settings
