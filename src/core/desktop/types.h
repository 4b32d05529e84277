#pragma once

// The plain values that cross the port: places, sizes, colours and the file dialogs' requests.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace hashwell::core {

// Pixels, relative to the client area of the window or tab page that holds a control.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// A window background: the system's own window colour, or a fixed colour.
struct WindowColour {
    bool system = false;
    Rgb rgb;

    bool operator==(const WindowColour&) const = default;
};

// One entry of an Open dialog's file-type list.
struct FileFilterEntry {
    std::u16string description;  // what the list shows
    std::u16string pattern;      // "*.exe"; "*.*" stands for every file

    bool operator==(const FileFilterEntry&) const = default;
};

// The platform's standard Open dialog: it starts in the platform's default folder with the
// filter entry `selectedFilter` selected, accepts a typed name only in an existing folder,
// returns files only and never changes the program's current directory.
struct OpenDialogRequest {
    std::u16string title;
    std::vector<FileFilterEntry> filter;
    bool multiSelect = false;
    std::u16string defaultName;
    std::size_t selectedFilter = 0;

    bool operator==(const OpenDialogRequest&) const = default;
};

// The platform's standard Save dialog: it starts in the platform's default folder with the
// first filter entry selected, accepts a name only in an existing folder, never changes the
// program's current directory, and neither asks about overwriting nor adds an extension.
struct SaveDialogRequest {
    std::u16string title;
    std::u16string defaultName;
    std::vector<FileFilterEntry> filter;

    bool operator==(const SaveDialogRequest&) const = default;
};

// The name the user gave and the filter entry chosen with it.
struct SaveDialogAnswer {
    platform::Path path;
    std::size_t filterIndex = 0;

    bool operator==(const SaveDialogAnswer&) const = default;
};

}  // namespace hashwell::core
