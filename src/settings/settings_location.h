#pragma once

// Where the settings file lives: beside the program or in the user's folder.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace hashwell::settings {

// What finding the settings file needs to know of the world, given rather than looked up so
// that tests can set it.
struct SettingsEnvironment {
    platform::Path programPath;  // the program file's full path
    std::function<std::optional<std::u16string>(std::u16string_view name)> variable;
};

// The real program path and environment.
SettingsEnvironment SystemSettingsEnvironment();

// A settings folder that could not be created.
struct UncreatedFolder {
    platform::Path folder;
    bool makerFolderNew = false;  // the maker's folder was being created too (or failed itself)

    bool operator==(const UncreatedFolder&) const = default;
};

struct SettingsLocation {
    platform::Path SettingsFolder;  // ends with one separator
    platform::Path SettingsFilePath;
    std::optional<UncreatedFolder> uncreatedFolder;  // the folder that is missing, if any
};

// `folder` and `name` joined with exactly one separator between them; joining a separator
// makes sure a folder ends with exactly one.
platform::Path JoinPath(std::u16string_view folder, std::u16string_view name);

// True when the program runs from an installed location: a folder containing "Program Files"
// in any letter case, and on POSIX systems one under /usr/ or /opt/, one named "bin", or one
// the user may not write.
bool IsInstalledLocation(std::u16string_view programFolder);

// Works out the settings folder (the user's application-data or configuration folder for an
// installed program, a folder beside the program otherwise) and creates its missing levels,
// two at the most. The location names the folder that could not be created, if one could not.
SettingsLocation ResolveSettingsPath(const SettingsEnvironment& environment);

}  // namespace hashwell::settings
