#include "core/windows/preferences_controls.h"

namespace hashwell::core {
namespace {

using enum PreferencesControl;
using enum ControlKind;
constexpr Place kWindow = Place::Window;
constexpr TextStyle kPlain = TextStyle::Plain;
constexpr int kNone = Anchor::None;
constexpr int kPreferencesPage = 15;

// The boxes of a group are check boxes that the commands keep to one tick, so that a group
// can also be left without any.
constexpr ControlSpec kControls[] = {
    {FrameCase, "FrameCase", Frame, kWindow, 68, 10, 200, 50, "Conversion Case", nullptr, kPlain,
     kNone, kNoHelpPage},
    {OptionLowerCase, "OptionLowerCase", CheckBox, kWindow, 78, 30, 80, 15, "Lower Case",
     "Displays hash code(s) using Lower Case.", kPlain, kNone, kPreferencesPage},
    {OptionUpperCase, "OptionUpperCase", CheckBox, kWindow, 178, 30, 80, 15, "Upper Case",
     "Displays hash code(s) using Upper Case.", kPlain, kNone, kPreferencesPage},
    {FrameFormat, "FrameFormat", Frame, kWindow, 15, 75, 305, 50, "Data Format", nullptr, kPlain,
     kNone, kNoHelpPage},
    {OptionAscii, "OptionAscii", CheckBox, kWindow, 25, 95, 80, 15, "ASCII",
     "Use ASCII format for hash code in Text tab.", kPlain, kNone, kPreferencesPage},
    {OptionUtf8, "OptionUtf8", CheckBox, kWindow, 125, 95, 80, 15, "UTF-8",
     "Use UTF-8 format for hash code in Text tab.", kPlain, kNone, kPreferencesPage},
    {OptionUnicode, "OptionUnicode", CheckBox, kWindow, 225, 95, 80, 15, "Unicode",
     "Use Unicode format for hash code in Text tab.", kPlain, kNone, kPreferencesPage},
    {FrameSkins, "FrameSkins", Frame, kWindow, 15, 140, 305, 50, "Skins", nullptr, kPlain, kNone,
     kNoHelpPage},
    {OptionSkin1, "OptionSkin1", CheckBox, kWindow, 25, 160, 80, 15, "Skin #1",
     "Use light gray skin for background color of windows.", kPlain, kNone, kPreferencesPage},
    {OptionSkin2, "OptionSkin2", CheckBox, kWindow, 125, 160, 80, 15, "Skin #2",
     "Use dark gray skin for background color of windows.", kPlain, kNone, kPreferencesPage},
    {OptionSkin3, "OptionSkin3", CheckBox, kWindow, 225, 160, 80, 15, "Skin #3",
     "Use light cyan skin for background color of windows.", kPlain, kNone, kPreferencesPage},
    {FrameDragDrop, "FrameDragDrop", Frame, kWindow, 85, 210, 170, 45, "Drag and Drop", nullptr,
     kPlain, kNone, kNoHelpPage},
    {CheckOnTop, "CheckOnTop", CheckBox, kWindow, 95, 230, 150, 15, "Keep main window On Top",
     nullptr, kPlain, kNone, kNoHelpPage},
    {ButtonSave, "ButtonSave", Button, kWindow, 95, 275, 60, 20, "Save",
     "Save your preference changes.", TextStyle::Button, kNone, kPreferencesPage},
    {ButtonCancel, "ButtonCancel", Button, kWindow, 170, 275, 65, 20, "Cancel",
     "Abort and do not save changes!", TextStyle::Button, kNone, kPreferencesPage},
};

constexpr WindowSpec kPreferences{
    WindowId::PreferencesWindow, "PreferencesWindow", "Preferences", 337, 311, kControls};

}  // namespace

const WindowSpec& PreferencesWindowSpec() {
    return kPreferences;
}

}  // namespace hashwell::core
