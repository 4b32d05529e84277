#pragma once

// The widgets of every program window, made from the window's table the same way in each.

#include <QFont>
#include <QString>

#include "core/windows/control_spec.h"
#include "ui/window_registry.h"

class QButtonGroup;
class QWidget;

namespace hashwell::ui {

// "Arial Narrow" 10 pt bold, the buttons' font; fontconfig maps the name to Liberation Sans
// Narrow, which has the same metrics.
QFont ButtonFont();

// The font of every control that has none of its own: the desktop's classic dialog font, for
// which the windows' places were made ("Arial" 8 pt; fontconfig maps it to Liberation Sans).
QFont StockGuiFont();

// A control as its table row describes it: its kind, text, tool tip and font, its name as
// objectName, its id in the property "hashwellId", its place. Options join `options`.
QWidget* MakeControl(const core::ControlSpec& spec, QWidget* parent, QButtonGroup* options);

// A secondary window, hidden, with its controls: fixed in size, with a caption, a system menu
// and a close box but no minimise or maximise box, owned by `owner` (the main window), which
// the window system keeps it above.
WindowWidgets BuildFixedWindow(const core::WindowSpec& spec, QWidget* owner);

}  // namespace hashwell::ui
