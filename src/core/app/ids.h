#pragma once

// The fixed numbers of every window, menu item, control and context menu. Events carry them,
// and the core addresses everything on the desktop by them.

namespace hashwell::core {

namespace WindowId {
inline constexpr int MainWindow = 1;
inline constexpr int AboutWindow = 2;
inline constexpr int PreferencesWindow = 3;
}  // namespace WindowId

namespace MenuId {
inline constexpr int MainMenu = 1;  // the menu bar of the main window
inline constexpr int MenuOpen = 2;
inline constexpr int MenuOpenList = 3;
inline constexpr int MenuPreferences = 4;
inline constexpr int MenuExit = 5;
inline constexpr int MenuCopyHash = 7;
inline constexpr int MenuExportCsv = 9;
inline constexpr int MenuExportTsv = 10;
inline constexpr int MenuContents = 12;
inline constexpr int MenuUpdates = 13;
inline constexpr int MenuAbout = 14;
inline constexpr int ShortcutHelp = 112;  // F1, raised as a menu event in every window

// Context menus and their items.
inline constexpr int PopupGrid = 501;
inline constexpr int PopupTextInput = 502;
inline constexpr int PopupHashCode = 503;
inline constexpr int PopupFileName = 504;
inline constexpr int PopupExport = 505;
inline constexpr int ItemCopyCodes = 506;
inline constexpr int ItemQuitGridMenu = 507;
inline constexpr int ItemCopyText = 508;
inline constexpr int ItemPasteText = 509;
inline constexpr int ItemQuitTextMenu = 510;
inline constexpr int ItemCopyCode = 511;
inline constexpr int ItemQuitCodeMenu = 512;
inline constexpr int ItemCopyFileName = 513;
inline constexpr int ItemQuitFileNameMenu = 514;
inline constexpr int ItemExportCsv = 515;
inline constexpr int ItemExportTsv = 516;
inline constexpr int ItemQuitExportMenu = 517;
}  // namespace MenuId

namespace ControlId {
// Main window; 23 to 25 are not used.
inline constexpr int ToolbarFrame = 15;
inline constexpr int ButtonOpen = 16;
inline constexpr int ButtonOpenList = 17;
inline constexpr int ButtonCalculate = 18;
inline constexpr int ButtonCopyHash = 19;
inline constexpr int ButtonExportList = 20;
inline constexpr int ButtonHelp = 21;
inline constexpr int TabPanel = 22;
inline constexpr int TextInput = 26;
inline constexpr int OptionCrc32 = 27;
inline constexpr int OptionMd5 = 28;
inline constexpr int OptionSha1 = 29;
inline constexpr int OptionSha2 = 30;
inline constexpr int OptionSha3 = 31;
inline constexpr int CheckBits224 = 32;
inline constexpr int CheckBits256 = 33;
inline constexpr int CheckBits384 = 34;
inline constexpr int CheckBits512 = 35;
inline constexpr int FileGrid = 36;
inline constexpr int ProgressBar = 37;
inline constexpr int TextHashBox = 38;
inline constexpr int FileNameBox = 39;
inline constexpr int FileHashBox = 40;

// About window.
inline constexpr int AboutFrame = 41;
inline constexpr int AboutTitle = 42;
inline constexpr int AboutLink = 43;
inline constexpr int AboutVersion = 44;
inline constexpr int AboutNotice = 45;
inline constexpr int AboutOk = 46;

// Preferences window.
inline constexpr int FrameCase = 47;
inline constexpr int OptionLowerCase = 48;
inline constexpr int OptionUpperCase = 49;
inline constexpr int FrameFormat = 50;
inline constexpr int OptionAscii = 51;
inline constexpr int OptionUtf8 = 52;
inline constexpr int OptionUnicode = 53;
inline constexpr int FrameSkins = 54;
inline constexpr int OptionSkin1 = 55;
inline constexpr int OptionSkin2 = 56;
inline constexpr int OptionSkin3 = 57;
inline constexpr int FrameDragDrop = 58;
inline constexpr int CheckOnTop = 59;
inline constexpr int ButtonSave = 60;
inline constexpr int ButtonCancel = 61;
}  // namespace ControlId

// The tabs of TabPanel.
namespace TabIndex {
inline constexpr int Text = 0;
inline constexpr int File = 1;
inline constexpr int ListOfFiles = 2;
}  // namespace TabIndex

}  // namespace hashwell::core
