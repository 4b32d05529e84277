#pragma once

// The whole port on Qt: every service put together.

#include "core/desktop/desktop.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_controls.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_event_queue.h"
#include "ui/qt_shell.h"
#include "ui/qt_windows.h"

namespace hashwell::ui {

// The desktop of the real program: the Qt implementation of each service of the port, put
// together. Qt owns the event loop; user actions become core events on the queue.
class QtDesktop final : public core::Desktop,
                        public QtEventQueue,
                        public QtWindows,
                        public QtControls,
                        public QtDialogs,
                        public QtClipboard,
                        public QtShell {
public:
    QtDesktop()
        : QtWindows(static_cast<QtEventQueue&>(*this)),
          QtControls(Registry()),
          QtDialogs(Registry()),
          QtClipboard(Registry()),
          QtShell(Registry()) {}

    QWidget* Control(core::ControlRef control) const { return Registry().Control(control); }
    QAction* MenuItem(core::MenuItem item) const { return Registry().MenuItem(item); }
};

}  // namespace hashwell::ui
