#include "core/windows/about_controls.h"

namespace hashwell::core {
namespace {

using enum AboutControl;
constexpr int kAboutPage = 27;

// The labels' texts but the title's are the program's to fill when the window opens.
constexpr ControlSpec kControls[] = {
    {AboutFrame, "AboutFrame", ControlKind::Frame, Place::Window, 10, 10, 375, 225, "", nullptr,
     TextStyle::Plain, Anchor::None, kNoHelpPage},
    {AboutTitle, "AboutTitle", ControlKind::Label, Place::Window, 28, 30, 340, 30, "Hashwell",
     nullptr, TextStyle::Title, Anchor::None, kNoHelpPage},
    {AboutLink, "AboutLink", ControlKind::Label, Place::Window, 110, 80, 175, 15, "", nullptr,
     TextStyle::Link, Anchor::None, kAboutPage},
    {AboutVersion, "AboutVersion", ControlKind::Label, Place::Window, 159, 110, 78, 15,
     "Version: 0", nullptr, TextStyle::Plain, Anchor::None, kNoHelpPage},
    {AboutNotice, "AboutNotice", ControlKind::Label, Place::Window, 58, 140, 280, 15, "...",
     nullptr, TextStyle::Centred, Anchor::None, kNoHelpPage},
    {AboutOk, "AboutOk", ControlKind::Button, Place::Window, 168, 180, 60, 20, "OK",
     "Click here to close this window.", TextStyle::Button, Anchor::None, kAboutPage},
};

constexpr WindowSpec kWindow{WindowId::AboutWindow, "AboutWindow", "Hashwell", 396, 242, kControls};

}  // namespace

const WindowSpec& AboutWindowSpec() {
    return kWindow;
}

}  // namespace hashwell::core
