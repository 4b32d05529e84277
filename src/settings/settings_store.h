#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"
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

// Reads the preferences from the file at `path` into `settings`. On the first run (nothing of
// that name exists) it creates the file with the defaults and their comments, takes the
// defaults and shows a one-time notice. Problems are reported in error boxes, and `settings`
// then keeps what it held. Values are not validated.
void LoadSettings(const platform::Path& path, AppSettings& settings,
                  platform::MessageBoxSink& messages);

// Writes the four preferences into the existing file at `path`, keeping its other lines and
// comments. A file that is missing is not created again ("Could not open Preferences file!");
// one that cannot be written whole stays as it was ("Could not save Preferences file!"); a
// file the user may not write stays untouched without a message.
void SaveSettings(const platform::Path& path, const AppSettings& settings,
                  platform::MessageBoxSink& messages);

}  // namespace hashwell::settings
