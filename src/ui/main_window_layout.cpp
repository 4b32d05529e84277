#include "ui/main_window_layout.h"

#include "core/app/ids.h"

namespace hashwell::ui {

using namespace core::ControlId;
using namespace core::MenuId;

namespace {

constexpr ControlLayout kControls[] = {
    {ToolbarFrame, "ToolbarFrame", ControlKind::Frame, Place::Window, 10, 10, 575, 45, "Toolbar",
     nullptr},
    {ButtonOpen, "ButtonOpen", ControlKind::Button, Place::Window, 25, 25, 60, 20, "Open",
     "Open a file (in the File tab) to get checksum hash."},
    {ButtonOpenList, "ButtonOpenList", ControlKind::Button, Place::Window, 105, 25, 75, 20,
     "Open List", "Open file/files (in the List of Files tab) to get checksum hash."},
    {ButtonCalculate, "ButtonCalculate", ControlKind::Button, Place::Window, 200, 25, 75, 20,
     "Calculate", "Calculate the checksum hash."},
    {ButtonCopyHash, "ButtonCopyHash", ControlKind::Button, Place::Window, 295, 25, 80, 20,
     "Copy Hash", "Copy the hash code to the clipboard."},
    {ButtonExportList, "ButtonExportList", ControlKind::Button, Place::Window, 395, 25, 82, 20,
     "Export List", "Create a CSV files containing all hash codes from the List of Files grid."},
    {ButtonHelp, "ButtonHelp", ControlKind::Button, Place::Window, 500, 25, 60, 20, "Help",
     "Display the Help screen."},
    {TabPanel, "TabPanel", ControlKind::TabPanel, Place::Window, 10, 70, 575, 340, "",
     "This panel contains Text, File and List of Files tabs."},
    {TextInput, "TextInput", ControlKind::TextBox, Place::TextTab, 5, 5, 560, 115, "",
     "Type or pasted the text that you wish to convert here."},
    {TextHashBox, "TextHashBox", ControlKind::ReadOnlyTextBox, Place::TextTab, 5, 135, 560, 170, "",
     "Your converted hash code will be displayed here."},
    {FileNameBox, "FileNameBox", ControlKind::ReadOnlyTextBox, Place::FileTab, 5, 10, 550, 55, "",
     "Use the \"Open\" dialog or drag-and-drop to place file here."},
    {FileHashBox, "FileHashBox", ControlKind::ReadOnlyTextBox, Place::FileTab, 5, 75, 550, 230, "",
     "The hash code for the file you selected will be displayed here."},
    {FileGrid, "FileGrid", ControlKind::Grid, Place::ListTab, 10, 10, 550, 295, "",
     "This grid will display cryptographic hash codes for all files."},
    {ProgressBar, "ProgressBar", ControlKind::ProgressBar, Place::ListTab, 205, 140, 140, 20, "",
     "Displays the progress in calculating file hashes."},
    {OptionCrc32, "OptionCrc32", ControlKind::Option, Place::Window, 20, 425, 80, 15, "CRC32",
     "Convert to CRC-32b Hash."},
    {OptionMd5, "OptionMd5", ControlKind::Option, Place::Window, 140, 425, 80, 15, "MD5",
     "Convert to MD-5 Hash."},
    {OptionSha1, "OptionSha1", ControlKind::Option, Place::Window, 260, 425, 80, 15, "SHA1",
     "Convert to SHA-1 Hash."},
    {OptionSha2, "OptionSha2", ControlKind::Option, Place::Window, 380, 425, 80, 15, "SHA2",
     "Convert to SHA-2 Hash. Use this hash method with 256 or 512 bits to get SHA-256 and "
     "SHA-512 hash codes."},
    {OptionSha3, "OptionSha3", ControlKind::Option, Place::Window, 500, 425, 80, 15, "SHA3",
     "Convert to SHA-3 Hash."},
    {CheckBits224, "CheckBits224", ControlKind::CheckBox, Place::Window, 70, 450, 80, 15,
     "224 Bits", "Use 224 Bits for SHA-2 and SHA-3."},
    {CheckBits256, "CheckBits256", ControlKind::CheckBox, Place::Window, 195, 450, 80, 15,
     "256 Bits", "Use 256 Bits for SHA-2 and SHA-3."},
    {CheckBits384, "CheckBits384", ControlKind::CheckBox, Place::Window, 320, 450, 80, 15,
     "384 Bits", "Use 384 Bits for SHA-2 and SHA-3."},
    {CheckBits512, "CheckBits512", ControlKind::CheckBox, Place::Window, 445, 450, 80, 15,
     "512 Bits", "Use 512 Bits for SHA-2 and SHA-3."},
};

constexpr MenuItemLayout kMenuItems[] = {
    {"File", MenuOpen, "MenuOpen", "Open"},
    {"File", MenuOpenList, "MenuOpenList", "Open List"},
    {"File", MenuPreferences, "MenuPreferences", "Preferences"},
    {"File", MenuExit, "MenuExit", "Exit"},
    {"Edit", MenuCopyHash, "MenuCopyHash", "Copy hash to clipboard"},
    {"Export", MenuExportCsv, "MenuExportCsv", "Export List to CSV"},
    {"Export", MenuExportTsv, "MenuExportTsv", "Export List to TSV"},
    {"Help", MenuContents, "MenuContents", "Contents"},
    {"Help", MenuUpdates, "MenuUpdates", "Updates"},
    {"Help", MenuAbout, "MenuAbout", "About"},
};

// The context menus: the menu's id and name, then each item's id, name and text.
constexpr PopupItemLayout kPopupItems[] = {
    {PopupGrid, "PopupGrid", ItemCopyCodes, "ItemCopyCodes", "Copy Codes to Clipboard"},
    {PopupGrid, "PopupGrid", ItemQuitGridMenu, "ItemQuitMenu", "Quit Menu"},
    {PopupTextInput, "PopupTextInput", ItemCopyText, "ItemCopyText", "Copy Text to Clipboard"},
    {PopupTextInput, "PopupTextInput", ItemPasteText, "ItemPasteText", "Paste from Clipboard"},
    {PopupTextInput, "PopupTextInput", ItemQuitTextMenu, "ItemQuitMenu", "Quit Menu"},
    {PopupHashCode, "PopupHashCode", ItemCopyCode, "ItemCopyCode", "Copy Code to Clipboard"},
    {PopupHashCode, "PopupHashCode", ItemQuitCodeMenu, "ItemQuitMenu", "Quit Menu"},
    {PopupFileName, "PopupFileName", ItemCopyFileName, "ItemCopyFileName",
     "Copy File Name to Clipboard"},
    {PopupFileName, "PopupFileName", ItemQuitFileNameMenu, "ItemQuitMenu", "Quit Menu"},
    {PopupExport, "PopupExport", ItemExportCsv, "ItemExportCsv", "Export to CSV"},
    {PopupExport, "PopupExport", ItemExportTsv, "ItemExportTsv", "Export to TSV"},
    {PopupExport, "PopupExport", ItemQuitExportMenu, "ItemQuitMenu", "Quit Menu"},
};

}  // namespace

std::span<const ControlLayout> MainWindowControls() {
    return kControls;
}
std::span<const MenuItemLayout> MainMenuItems() {
    return kMenuItems;
}

std::span<const PopupItemLayout> PopupMenuItems() {
    return kPopupItems;
}

}  // namespace hashwell::ui
