// Settings files: how a document reads and writes them back, as tests/data/settings/documents.txt
// says; loading and saving the preferences (the first-run file, values as stored, saves that
// must never lose the file); and where the file lives and how its folders are made.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

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

TEST_F(SettingsStore, FirstRunWritesTheDefaultFileNoticedOnceAndResavingDropsTheEmptyLines) {
    EXPECT_EQ(SaveSettings(path_, kDefaults), SaveOutcome::CannotOpen);  // and makes no file
    // What a save stopped half-way left goes at the start; other files stay.
    for (const char* name : {".hashwell-save-a1B2c3", ".hashwell-save-notmine", "notes.txt"}) {
        folder_.Write(name, "half a save");
    }
    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(Load(), kDefaults);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/first_run.ini"));
    EXPECT_EQ(outcomes_, (std::vector{LoadOutcome::CreatedWithDefaults, LoadOutcome::Loaded}));
    EXPECT_FALSE(fs::exists(folder_.Child(".hashwell-save-a1B2c3")));
    EXPECT_TRUE(fs::exists(folder_.Child(".hashwell-save-notmine")));
    EXPECT_TRUE(fs::exists(folder_.Child("notes.txt")));
    EXPECT_EQ(SaveSettings(path_, kDefaults), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(), test::ReadTestData("settings/resaved.ini"));
}

TEST_F(SettingsStore, FilesAreReadWrittenBackLoadedAndSavedAsTheTableSays) {
    SettingsDocument document;
    std::string before;  // names the case in messages
    for (std::vector<std::string> row : test::ReadTable("settings/documents.txt")) {
        row.resize(5);
        const std::string& call = row[0];
        const std::u16string name = platform::Utf8ToUtf16(row[1]);
        const std::u16string text = platform::Utf8ToUtf16(row[2]);
        if (call == "before") {
            before = row[1];
            folder_.Write("Hashwell.ini", before);
            ASSERT_TRUE(document.OpenDocument(path_)) << before;
        } else if (call == "group") {
            EXPECT_EQ(document.SelectGroup(name), row[2] == "found") << before << row[1];
        } else if (call == "text") {
            EXPECT_EQ(document.ReadText(name, text), platform::Utf8ToUtf16(row[3])) << before;
        } else if (call == "number") {
            EXPECT_EQ(document.ReadInteger(name, std::stoll(row[2])), std::stoll(row[3])) << before;
        } else if (call == "write") {
            document.WriteText(name, text);
        } else if (call == "write-number") {
            document.WriteInteger(name, std::stoll(row[2]));
        } else if (call == "comment") {
            document.AddComment(name);
        } else if (call == "load") {
            EXPECT_EQ(Load(), (AppSettings{name, std::stoll(row[2]), std::stoll(row[3]),
                                           std::stoll(row[4])}))
                << before;
        } else if (call == "save") {
            EXPECT_EQ(SaveSettings(path_, Load()), SaveOutcome::Saved) << before;
        } else {
            ASSERT_EQ(call, "after");
            EXPECT_TRUE(document.CloseDocument()) << before;
            EXPECT_EQ(FileBytes(), row[1]) << before;
        }
    }
}

TEST_F(SettingsStore, FailedSaveKeepsTheOldFileAndSaysSoButAReadOnlyFileIsLeftSilently) {
    Load();
    const std::string before = FileBytes();
#ifndef _WIN32  // a file-size limit for one process is POSIX's
    // A file-size limit below the new content makes the write fail part-way.
    EXPECT_TRUE(test::RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return SaveSettings(path_, {u"UPPER", 25, 3, 1}) == SaveOutcome::CannotSave;
    }));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1) << "a temporary file";
#endif
    fs::permissions(folder_.Child("Hashwell.ini"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Load(), kDefaults);
    // Left as the user made it, which counts as saved: nothing is said.
    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 25, 3, 1}), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(SettingsStore, SaveWritesThroughASymbolicLinkAndKeepsPermissions) {
    HASHWELL_SKIP_UNDER_WINE("symbolic links");  // its CreateSymbolicLinkW makes none
    fs::create_directory(folder_.Child("real"));
    const fs::path target = folder_.Write("real/target.ini", "");
    fs::permissions(target, fs::perms{0640});
    const fs::perms permissions = fs::status(target).permissions();
    ASSERT_TRUE(test::MakeSymbolicLink(target, folder_.Child("Hashwell.ini"), false));
    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 24, 2, 1}), SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_symlink(folder_.Child("Hashwell.ini")));
    EXPECT_EQ(fs::status(target).permissions(), permissions);
    EXPECT_EQ(Load(), (AppSettings{u"UPPER", 24, 2, 1}));
}

TEST_F(SettingsStore, FileLargerThanAnySettingsFileOrAFolderIsRefusedAndOneAtTheLimitLoads) {
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
    fs::remove(folder_.Child("Hashwell.ini"));
    fs::create_directory(folder_.Child("Hashwell.ini"));
    EXPECT_EQ(Load(), AppSettings{});
    EXPECT_EQ(outcomes_,
              (std::vector{LoadOutcome::Loaded, LoadOutcome::CannotOpen, LoadOutcome::CannotOpen}));
}

TEST_F(SettingsStore, FileRewrittenInPlaceKeepsItsOtherNamesItsOwnerAndAReadOnlyFolder) {
    test::ScratchCache cache;  // where a rewrite in place keeps the old content
    Load();
    const fs::path file = folder_.Child("Hashwell.ini");
    fs::create_hard_link(file, folder_.Child("other-name.ini"));
    EXPECT_EQ(SaveSettings(path_, {u"UPPER", 25, 3, 1}), SaveOutcome::Saved);
    EXPECT_EQ(folder_.Read("other-name.ini"), FileBytes());
    EXPECT_EQ(cache.Files(), std::vector<fs::path>{}) << "the old content's copy is gone";
    // Still one file; MinGW's hard_link_count always says 1, so ask the platform.
    EXPECT_EQ(platform::IdentityOf(path_), platform::IdentityOf(folder_.PathOf("other-name.ini")));
    fs::remove(folder_.Child("other-name.ini"));

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
    fs::permissions(folder_.path(), fs::perms::all);
    ASSERT_EQ(::chown(file.c_str(), 1, 65534), 0);  // daemon's, group nogroup
    fs::permissions(file, fs::perms{0664});         // rw-rw-r--
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return SaveSettings(path_, {u"lower", 24, 2, 0}) == SaveOutcome::Saved;
    }));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 1u);
    EXPECT_EQ(Load(), (AppSettings{u"lower", 24, 2, 0}));
#endif
}

// The environment of the program at `program` with `variables` ("NAME=VALUE;...").
SettingsEnvironment Environment(std::u16string program, const std::u16string& variables) {
    return {std::move(program), [all = u';' + variables + u';'](std::u16string_view name) {
                const std::size_t at = all.find(u';' + std::u16string(name) + u'=');
                const std::size_t start = at + name.size() + 2;
                return at == std::u16string::npos
                           ? std::nullopt
                           : std::optional(all.substr(start, all.find(u';', start) - start));
            }};
}

TEST_F(SettingsStore, PathsAreJoinedInstalledProgramsToldAndTheFileFoundAsTheTableSays) {
    const std::string system = platform::kPathSeparator == u'/' ? "posix" : "windows";
    for (std::vector<std::string> row : test::ReadTable("settings/locations.txt")) {
        row.resize(7);
        const auto path = [&](std::size_t field) {
            std::u16string path = platform::Utf8ToUtf16(row[field]);
            std::replace(path.begin(), path.end(), u'/', platform::kPathSeparator);
            const std::size_t at = path.find(u"<root>");
            return at == std::u16string::npos ? path : path.replace(at, 6, root_);
        };
        if (row[0] != "any" && row[0] != system) {
            continue;
        } else if (row[1] == "join") {
            EXPECT_EQ(JoinPath(path(2), path(3)), path(4)) << row[2] << " " << row[3];
        } else if (row[1] == "installed") {
            EXPECT_EQ(IsInstalledLocation(path(2)), row[3] == "yes") << row[2];
        } else if (row[1] == "file") {
            fs::create_directories(folder_.Child(row[2]).parent_path());
            folder_.Write(row[2], "");
        } else if (row[1] == "deny") {
            test::DenyCreatingFiles(folder_.Child(row[2]));
        } else {
            // "resolve" as this process, "resolve-as-user" as a user without privileges.
            const auto resolves = [&] {
                const SettingsLocation location =
                    ResolveSettingsPath(Environment(path(2), path(3)));
                AppSettings settings;
                const LoadOutcome outcome = LoadSettings(path(4), settings);
                return location.SettingsFilePath == path(4) &&
                       (row[5] == "-" ? !location.uncreatedFolder &&
                                            outcome == LoadOutcome::CreatedWithDefaults
                                      : location.uncreatedFolder ==
                                                UncreatedFolder{path(5), row[6] == "yes"} &&
                                            outcome == LoadOutcome::CannotCreate &&
                                            settings == AppSettings{});
            };
            EXPECT_TRUE(row[1] == "resolve" ? resolves() : test::RunWithoutPrivileges(resolves))
                << row[2];
        }
    }
}

}  // namespace
}  // namespace hashwell::settings
