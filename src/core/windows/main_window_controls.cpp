#include "core/windows/main_window_controls.h"

#include <algorithm>

namespace hashwell::core {
namespace {

using enum MainControl;
using enum MenuItem;
using enum PopupMenu;
// The kinds by their names; the tab panel and the progress bar share theirs with their ids.
constexpr ControlKind Frame = ControlKind::Frame;
constexpr ControlKind Button = ControlKind::Button;
constexpr ControlKind TextBox = ControlKind::TextBox;
constexpr ControlKind ReadOnlyTextBox = ControlKind::ReadOnlyTextBox;
constexpr ControlKind Grid = ControlKind::Grid;
constexpr ControlKind Option = ControlKind::Option;
constexpr ControlKind CheckBox = ControlKind::CheckBox;
using enum Place;
constexpr TextStyle kPlain = TextStyle::Plain;
constexpr TextStyle kButton = TextStyle::Button;
constexpr int kGrowBoth = Anchor::GrowWidth | Anchor::GrowHeight;
constexpr int kMethodPage = 5;  // the method options and the bit-size boxes

constexpr ControlSpec kControls[] = {
    {ToolbarFrame, "ToolbarFrame", Frame, Window, 10, 10, 575, 45, "Toolbar", nullptr, kPlain,
     Anchor::None, kNoHelpPage},
    {ButtonOpen, "ButtonOpen", Button, Window, 25, 25, 60, 20, "Open",
     "Open a file (in the File tab) to get checksum hash.", kButton, Anchor::None, 22},
    {ButtonOpenList, "ButtonOpenList", Button, Window, 105, 25, 75, 20, "Open List",
     "Open file/files (in the List of Files tab) to get checksum hash.", kButton, Anchor::None, 23},
    {ButtonCalculate, "ButtonCalculate", Button, Window, 200, 25, 75, 20, "Calculate",
     "Calculate the checksum hash.", kButton, Anchor::None, 24},
    {ButtonCopyHash, "ButtonCopyHash", Button, Window, 295, 25, 80, 20, "Copy Hash",
     "Copy the hash code to the clipboard.", kButton, Anchor::None, kNoHelpPage},
    {ButtonExportList, "ButtonExportList", Button, Window, 395, 25, 82, 20, "Export List",
     "Create a CSV files containing all hash codes from the List of Files grid.", kButton,
     Anchor::None, 25},
    {ButtonHelp, "ButtonHelp", Button, Window, 500, 25, 60, 20, "Help", "Display the Help screen.",
     kButton, Anchor::None, kIndexPage},
    {TabPanel, "TabPanel", ControlKind::TabPanel, Window, 10, 70, 575, 340, "",
     "This panel contains Text, File and List of Files tabs.", kPlain, kGrowBoth, 4},
    {TextInput, "TextInput", TextBox, TextTab, 5, 5, 560, 115, "",
     "Type or pasted the text that you wish to convert here.", kPlain, Anchor::GrowWidth, 16},
    {TextHashBox, "TextHashBox", ReadOnlyTextBox, TextTab, 5, 135, 560, 170, "",
     "Your converted hash code will be displayed here.", kPlain, kGrowBoth, 16},
    {FileNameBox, "FileNameBox", ReadOnlyTextBox, FileTab, 5, 10, 550, 55, "",
     "Use the \"Open\" dialog or drag-and-drop to place file here.", kPlain, Anchor::GrowWidth,
     kNoHelpPage},
    {FileHashBox, "FileHashBox", ReadOnlyTextBox, FileTab, 5, 75, 550, 230, "",
     "The hash code for the file you selected will be displayed here.", kPlain, kGrowBoth, 17},
    {FileGrid, "FileGrid", Grid, ListTab, 10, 10, 550, 295, "",
     "This grid will display cryptographic hash codes for all files.", kPlain, kGrowBoth, 18},
    {ProgressBar, "ProgressBar", ControlKind::ProgressBar, ListTab, 205, 140, 140, 20, "",
     "Displays the progress in calculating file hashes.", kPlain, Anchor::None, kNoHelpPage},
    {FileProgressBar, "FileProgressBar", ControlKind::ProgressBar, FileTab, 205, 140, 140, 20, "",
     "Displays the progress in calculating the file's hash.", kPlain, Anchor::None, kNoHelpPage},
    {OptionCrc32, "OptionCrc32", Option, Window, 20, 425, 80, 15, "CRC32",
     "Convert to CRC-32b Hash.", kPlain, Anchor::FollowBottom, kMethodPage},
    {OptionMd5, "OptionMd5", Option, Window, 140, 425, 80, 15, "MD5", "Convert to MD-5 Hash.",
     kPlain, Anchor::FollowBottom, kMethodPage},
    {OptionSha1, "OptionSha1", Option, Window, 260, 425, 80, 15, "SHA1", "Convert to SHA-1 Hash.",
     kPlain, Anchor::FollowBottom, kMethodPage},
    {OptionSha2, "OptionSha2", Option, Window, 380, 425, 80, 15, "SHA2",
     "Convert to SHA-2 Hash. Use this hash method with 256 or 512 bits to get SHA-256 and "
     "SHA-512 hash codes.",
     kPlain, Anchor::FollowBottom, kMethodPage},
    {OptionSha3, "OptionSha3", Option, Window, 500, 425, 80, 15, "SHA3", "Convert to SHA-3 Hash.",
     kPlain, Anchor::FollowBottom, kMethodPage},
    {CheckBits224, "CheckBits224", CheckBox, Window, 70, 450, 80, 15, "224 Bits",
     "Use 224 Bits for SHA-2 and SHA-3.", kPlain, Anchor::FollowBottom, kMethodPage},
    {CheckBits256, "CheckBits256", CheckBox, Window, 195, 450, 80, 15, "256 Bits",
     "Use 256 Bits for SHA-2 and SHA-3.", kPlain, Anchor::FollowBottom, kMethodPage},
    {CheckBits384, "CheckBits384", CheckBox, Window, 320, 450, 80, 15, "384 Bits",
     "Use 384 Bits for SHA-2 and SHA-3.", kPlain, Anchor::FollowBottom, kMethodPage},
    {CheckBits512, "CheckBits512", CheckBox, Window, 445, 450, 80, 15, "512 Bits",
     "Use 512 Bits for SHA-2 and SHA-3.", kPlain, Anchor::FollowBottom, kMethodPage},
};

constexpr WindowSpec kWindow{WindowId::MainWindow, "MainWindow", "Hashwell", 598, 499, kControls};

constexpr MenuItemSpec kMenuItems[] = {
    {"File", MenuOpen, "MenuOpen", "Open", 8},
    {"File", MenuOpenList, "MenuOpenList", "Open List", 9},
    {"File", MenuOpenFolder, "MenuOpenFolder", "Open Folder", 28},
    {"File", MenuVerifyChecksumFile, "MenuVerifyChecksumFile", "Verify Checksum File", 29},
    {"File", MenuPreferences, "MenuPreferences", "Preferences", 15},
    {"File", MenuExit, "MenuExit", "Exit", 14},
    {"Edit", MenuCopyHash, "MenuCopyHash", "Copy hash to clipboard", 10},
    {"Edit", MenuCompareWithClipboard, "MenuCompareWithClipboard", "Compare with Clipboard", 30},
    {"Export", MenuExportCsv, "MenuExportCsv", "Export List to CSV", 11},
    {"Export", MenuExportTsv, "MenuExportTsv", "Export List to TSV", 11},
    {"Help", MenuContents, "MenuContents", "Contents", kIndexPage},
    {"Help", MenuUpdates, "MenuUpdates", "Updates", 20},
    {"Help", MenuAbout, "MenuAbout", "About", 27},
};

constexpr PopupItemSpec kPopupItems[] = {
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

const WindowSpec& MainWindowSpec() {
    return kWindow;
}

std::span<const MenuItemSpec> MainMenuItems() {
    return kMenuItems;
}

std::span<const PopupItemSpec> PopupMenuItems() {
    return kPopupItems;
}

int HelpPageOf(MenuItem item) {
    const auto found = std::find_if(std::begin(kMenuItems), std::end(kMenuItems),
                                    [&](const MenuItemSpec& spec) { return spec.item == item; });
    return found == std::end(kMenuItems) ? kNoHelpPage : found->helpPage;
}

}  // namespace hashwell::core
