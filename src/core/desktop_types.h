#pragma once

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

}  // namespace hashwell::core
