#pragma once

// The fixed numbers of the program's windows, controls and menu items, each window's controls
// in an enum of their own, and the reference by which the core addresses a control of any
// window: an id of one window cannot be given where another's is meant.

#include <compare>

namespace hashwell::core {

enum class WindowId : int {
    MainWindow = 1,
    AboutWindow = 2,
    PreferencesWindow = 3,
};

enum class MainControl : int {
    ToolbarFrame = 15,
    ButtonOpen = 16,
    ButtonOpenList = 17,
    ButtonCalculate = 18,
    ButtonCopyHash = 19,
    ButtonExportList = 20,
    ButtonHelp = 21,
    TabPanel = 22,
    TextInput = 26,  // 23 to 25 are not used
    OptionCrc32 = 27,
    OptionMd5 = 28,
    OptionSha1 = 29,
    OptionSha2 = 30,
    OptionSha3 = 31,
    CheckBits224 = 32,
    CheckBits256 = 33,
    CheckBits384 = 34,
    CheckBits512 = 35,
    FileGrid = 36,
    ProgressBar = 37,
    TextHashBox = 38,
    FileNameBox = 39,
    FileHashBox = 40,
    FileProgressBar = 62,  // added after the other windows' ids
};

enum class AboutControl : int {
    AboutFrame = 41,
    AboutTitle = 42,
    AboutLink = 43,
    AboutVersion = 44,
    AboutNotice = 45,
    AboutOk = 46,
};

enum class PreferencesControl : int {
    FrameCase = 47,
    OptionLowerCase = 48,
    OptionUpperCase = 49,
    FrameFormat = 50,
    OptionAscii = 51,
    OptionUtf8 = 52,
    OptionUnicode = 53,
    FrameSkins = 54,
    OptionSkin1 = 55,
    OptionSkin2 = 56,
    OptionSkin3 = 57,
    FrameDragDrop = 58,
    CheckOnTop = 59,
    ButtonSave = 60,
    ButtonCancel = 61,
};

// The items of the main menu and of the context menus, and the F1 shortcut.
enum class MenuItem : int {
    MenuOpen = 2,
    MenuOpenList = 3,
    MenuPreferences = 4,
    MenuExit = 5,
    MenuCopyHash = 7,
    MenuExportCsv = 9,
    MenuExportTsv = 10,
    MenuContents = 12,
    MenuUpdates = 13,
    MenuAbout = 14,
    MenuOpenFolder = 15,
    MenuVerifyChecksumFile = 16,
    MenuCompareWithClipboard = 17,
    ShortcutHelp = 112,  // F1, raised as a menu event in every window
    ItemCopyCodes = 506,
    ItemQuitGridMenu = 507,
    ItemCopyText = 508,
    ItemPasteText = 509,
    ItemQuitTextMenu = 510,
    ItemCopyCode = 511,
    ItemQuitCodeMenu = 512,
    ItemCopyFileName = 513,
    ItemQuitFileNameMenu = 514,
    ItemExportCsv = 515,
    ItemExportTsv = 516,
    ItemQuitExportMenu = 517,
};

// The context menus of the main window.
enum class PopupMenu : int {
    PopupGrid = 501,
    PopupTextInput = 502,
    PopupHashCode = 503,
    PopupFileName = 504,
    PopupExport = 505,
};

// A control of any window, as the desktop is asked about it; made from a window's own ids.
class ControlRef {
public:
    constexpr ControlRef(MainControl control)
        : window_(WindowId::MainWindow), id_(static_cast<int>(control)) {}
    constexpr ControlRef(AboutControl control)
        : window_(WindowId::AboutWindow), id_(static_cast<int>(control)) {}
    constexpr ControlRef(PreferencesControl control)
        : window_(WindowId::PreferencesWindow), id_(static_cast<int>(control)) {}

    constexpr WindowId Window() const { return window_; }
    constexpr int Id() const { return id_; }
    constexpr auto operator<=>(const ControlRef&) const = default;

    // The control an event of that window names; ids are the desktop's, unique among windows.
    static constexpr ControlRef Of(WindowId window, int id) { return ControlRef(window, id); }

private:
    constexpr ControlRef(WindowId window, int id) : window_(window), id_(id) {}
    WindowId window_;
    int id_;
};

// The tabs of TabPanel.
namespace TabIndex {
inline constexpr int Text = 0;
inline constexpr int File = 1;
inline constexpr int ListOfFiles = 2;
}  // namespace TabIndex

}  // namespace hashwell::core
