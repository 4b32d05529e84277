#pragma once

// The four preferences, loaded from and saved to the settings file.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace hashwell::settings {

// The preferences; each field is named after its key in the settings file. Before loading,
// and when loading fails, they hold the empty text and zeros.
struct AppSettings {
    std::u16string Case;         // "lower" or "UPPER": the display case of hash codes
    std::int64_t Format = 0;     // text format code: 24 ASCII, 2 UTF-8, 25 Unicode
    std::int64_t Skin = 0;       // 1, 2 or 3: the windows' colour scheme
    std::int64_t MainOnTop = 0;  // 1: the main window stays above other windows

    bool operator==(const AppSettings&) const = default;
};

// How loading went.
enum class LoadOutcome {
    Loaded,
    CreatedWithDefaults,  // the first run: nothing of that name existed, the file was made
    CannotCreate,         // the first run, and the file could not be made
    CannotOpen,           // the file (or a folder of its name) could not be read
};

// Reads the preferences from the file at `path` into `settings`. On the first run (nothing of
// that name exists) it creates the file with the defaults and their comments and takes the
// defaults. When it fails, `settings` keeps what it held. Values are not validated. Leftovers
// of saves that were interrupted are removed first.
LoadOutcome LoadSettings(const platform::Path& path, AppSettings& settings);

// How saving went. A file the user may not write counts as saved: it is left as it is, as the
// user asked of it.
enum class SaveOutcome {
    Saved,
    CannotOpen,  // the file is missing or unreadable; it is not created again
    CannotSave,  // writing failed; see platform::ReplaceFileContent for the file's state
};

// Writes the four preferences into the existing file at `path`, keeping its other lines and
// comments.
SaveOutcome SaveSettings(const platform::Path& path, const AppSettings& settings);

}  // namespace hashwell::settings
