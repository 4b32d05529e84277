#include "ui/preferences_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "core/app/ids.h"
#include "ui/control_colors.h"
#include "ui/window_parts.h"

namespace hashwell::ui {
namespace {

using namespace core::ControlId;

enum class Kind { Frame, Box, Button };

struct Layout {
    int id;
    const char* name;
    Kind kind;
    int x, y, width, height;
    const char* text;
    const char* toolTip;  // nullptr: none
};

constexpr Layout kControls[] = {
    {FrameCase, "FrameCase", Kind::Frame, 68, 10, 200, 50, "Conversion Case", nullptr},
    {OptionLowerCase, "OptionLowerCase", Kind::Box, 78, 30, 80, 15, "Lower Case",
     "Displays hash code(s) using Lower Case."},
    {OptionUpperCase, "OptionUpperCase", Kind::Box, 178, 30, 80, 15, "Upper Case",
     "Displays hash code(s) using Upper Case."},
    {FrameFormat, "FrameFormat", Kind::Frame, 15, 75, 305, 50, "Data Format", nullptr},
    {OptionAscii, "OptionAscii", Kind::Box, 25, 95, 80, 15, "ASCII",
     "Use ASCII format for hash code in Text tab."},
    {OptionUtf8, "OptionUtf8", Kind::Box, 125, 95, 80, 15, "UTF-8",
     "Use UTF-8 format for hash code in Text tab."},
    {OptionUnicode, "OptionUnicode", Kind::Box, 225, 95, 80, 15, "Unicode",
     "Use Unicode format for hash code in Text tab."},
    {FrameSkins, "FrameSkins", Kind::Frame, 15, 140, 305, 50, "Skins", nullptr},
    {OptionSkin1, "OptionSkin1", Kind::Box, 25, 160, 80, 15, "Skin #1",
     "Use light gray skin for background color of windows."},
    {OptionSkin2, "OptionSkin2", Kind::Box, 125, 160, 80, 15, "Skin #2",
     "Use dark gray skin for background color of windows."},
    {OptionSkin3, "OptionSkin3", Kind::Box, 225, 160, 80, 15, "Skin #3",
     "Use light cyan skin for background color of windows."},
    {FrameDragDrop, "FrameDragDrop", Kind::Frame, 85, 210, 170, 45, "Drag and Drop", nullptr},
    {CheckOnTop, "CheckOnTop", Kind::Box, 95, 230, 150, 15, "Keep main window On Top", nullptr},
    {ButtonSave, "ButtonSave", Kind::Button, 95, 275, 60, 20, "Save",
     "Save your preference changes."},
    {ButtonCancel, "ButtonCancel", Kind::Button, 170, 275, 65, 20, "Cancel",
     "Abort and do not save changes!"},
};

QWidget* Make(const Layout& layout, QWidget* parent) {
    const QString text = QString::fromUtf8(layout.text);
    switch (layout.kind) {
        case Kind::Frame:
            return MakeFrame(text, parent);
        case Kind::Box:
            return new QCheckBox(text, parent);
        case Kind::Button:
            return MakeButton(text, parent);
    }
    return nullptr;
}

}  // namespace

WindowWidgets BuildPreferencesWindowWidgets(QWidget* owner) {
    WindowWidgets parts;
    auto window = std::make_unique<QWidget>(owner);
    MakeFixedWindow(window.get(), "PreferencesWindow", QStringLiteral("Preferences"), 337, 311);
    parts.client = window.get();
    for (const Layout& layout : kControls) {
        QWidget* control = Make(layout, window.get());
        PlaceControl(control, layout.id, layout.name, layout.x, layout.y, layout.width,
                     layout.height);
        if (layout.toolTip != nullptr) {
            control->setToolTip(QString::fromUtf8(layout.toolTip));
        }
        parts.controls[layout.id] = control;
    }
    for (const int frame : {FrameCase, FrameFormat, FrameSkins, FrameDragDrop}) {
        parts.controls.at(frame)->lower();  // drawn behind the boxes it holds
    }
    // Each of these boxes is drawn on the colour of the skin it stands for.
    ControlColors colors;
    colors.Set(OptionSkin2, parts.controls.at(OptionSkin2), Qt::black, RgbValue(192, 192, 192));
    colors.Set(OptionSkin3, parts.controls.at(OptionSkin3), Qt::black, RgbValue(215, 215, 255));
    parts.window = std::move(window);
    return parts;
}

}  // namespace hashwell::ui
