#pragma once

// How a window and each of its controls are described, once: one constant table per window,
// which the desktop builds the widgets from, the anchors and the help topics read, and the
// tests compare the real widgets against.

#include <span>

#include "core/desktop/ids.h"

namespace hashwell::core {

enum class ControlKind {
    Frame,  // a group box, titled
    Button,
    TabPanel,
    TextBox,          // multi-line, editable, word wrap
    ReadOnlyTextBox,  // multi-line, read-only, word wrap
    Grid,
    ProgressBar,
    Option,    // one of a radio group
    CheckBox,  // also the boxes of a group that the commands keep to one tick
    Label,
};

// The client area of the window, or the page of one of the main window's tabs.
enum class Place { Window, TextTab, FileTab, ListTab };

// The font (and colour) a control's text takes.
enum class TextStyle {
    Plain,    // the window's; a label's text on the left
    Centred,  // the window's; a label's text centred
    Button,   // "Arial Narrow" 10 pt bold
    Title,    // 12 pt bold, blue
    Link,     // 10 pt underlined, black, with the pointing hand
};

// How a control follows its window's edges when the window is resized.
namespace Anchor {
inline constexpr int None = 0;
inline constexpr int GrowHeight = 1;
inline constexpr int GrowWidth = 2;
inline constexpr int FollowBottom = 4;
inline constexpr int FollowRight = 8;
}  // namespace Anchor

// The help page a command sets: "hashguide_NNN.html" by its number, the start page, or none.
inline constexpr int kNoHelpPage = -1;
inline constexpr int kIndexPage = 0;

struct ControlSpec {
    ControlRef control;
    const char* name;  // its objectName
    ControlKind kind;
    Place place;
    int x, y, width, height;
    const char* text;     // UTF-8; for a label the program fills, its first text
    const char* toolTip;  // UTF-8; nullptr: none
    TextStyle style;
    int anchors;
    int helpPage;
};

struct WindowSpec {
    WindowId window;
    const char* name;   // its objectName
    const char* title;  // UTF-8
    int width, height;  // the client area; for the main window, the menu bar included
    std::span<const ControlSpec> controls;
};

}  // namespace hashwell::core
