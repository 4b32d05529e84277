#pragma once

// The program's windows and their widgets, found by their ids.

#include <QAction>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "core/desktop/ids.h"

class QMenu;
class QTabWidget;

namespace hashwell::ui {

// A program window and its parts, by their ids. Each widget carries its control's name as
// objectName and its id in the property "hashwellId".
struct WindowWidgets {
    std::unique_ptr<QWidget> window;
    QWidget* client = nullptr;  // the area below the menu bar: what a skin colours
    QTabWidget* tabs = nullptr;
    std::map<int, QWidget*> controls;
    std::map<int, QAction*> menuItems;  // of the menu bar and the context menus
    std::map<int, QMenu*> popupMenus;   // the context menus

    QWidget* Control(core::ControlRef control) const {
        const auto found = controls.find(control.Id());
        return found == controls.end() ? nullptr : found->second;
    }
};

// The program's windows by their ids. A window joins when it is built (its window widget then
// carries its id in the property "hashwellWindow") and stays until the program ends.
class WindowRegistry {
public:
    const WindowWidgets& Add(core::WindowId window, WindowWidgets widgets);

    const WindowWidgets* Find(core::WindowId window) const;
    QWidget* Window(core::WindowId window) const;  // nullptr when not built
    QWidget* Control(core::ControlRef control) const;
    QAction* MenuItem(core::MenuItem item) const;
    QMenu* PopupMenu(core::PopupMenu menu) const;
    QTabWidget* Tabs() const;  // the main window's panel

private:
    std::map<core::WindowId, WindowWidgets> windows_;
};

// The id a widget carries, 0 for none.
int IdOf(const QObject* widget);

// The control that has the keyboard focus; nothing when no control of the program has it. The
// focus may sit on a part of a control; the id is on the control itself.
std::optional<core::ControlRef> FocusedControl();

}  // namespace hashwell::ui
