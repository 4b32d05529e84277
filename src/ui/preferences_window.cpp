#include "ui/preferences_window.h"

#include "core/windows/preferences_controls.h"
#include "ui/control_colors.h"
#include "ui/window_parts.h"

namespace hashwell::ui {

WindowWidgets BuildPreferencesWindowWidgets(QWidget* owner) {
    WindowWidgets parts = BuildFixedWindow(core::PreferencesWindowSpec(), owner);
    // Each of these boxes is drawn on the colour of the skin it stands for.
    using enum core::PreferencesControl;
    SetControlColours(parts.Control(OptionSkin2), Qt::black, QColor(192, 192, 192));
    SetControlColours(parts.Control(OptionSkin3), Qt::black, QColor(215, 215, 255));
    return parts;
}

}  // namespace hashwell::ui
