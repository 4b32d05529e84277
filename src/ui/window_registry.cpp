#include "ui/window_registry.h"

#include <QApplication>
#include <QTabWidget>

#include "core/app/ids.h"

namespace hashwell::ui {

const WindowWidgets& WindowRegistry::Add(int windowId, WindowWidgets widgets) {
    return windows_[windowId] = std::move(widgets);
}

const WindowWidgets* WindowRegistry::Find(int windowId) const {
    const auto found = windows_.find(windowId);
    return found == windows_.end() ? nullptr : &found->second;
}

QWidget* WindowRegistry::Window(int windowId) const {
    const WindowWidgets* widgets = Find(windowId);
    return widgets != nullptr ? widgets->window.get() : nullptr;
}

QWidget* WindowRegistry::Control(int controlId) const {
    for (const auto& [id, widgets] : windows_) {
        if (const auto found = widgets.controls.find(controlId); found != widgets.controls.end()) {
            return found->second;
        }
    }
    return nullptr;
}

QAction* WindowRegistry::MenuItem(int itemId) const {
    for (const auto& [id, widgets] : windows_) {
        if (const auto found = widgets.menuItems.find(itemId); found != widgets.menuItems.end()) {
            return found->second;
        }
    }
    return nullptr;
}

QMenu* WindowRegistry::PopupMenu(int menuId) const {
    for (const auto& [id, widgets] : windows_) {
        if (const auto found = widgets.popupMenus.find(menuId); found != widgets.popupMenus.end()) {
            return found->second;
        }
    }
    return nullptr;
}

QTabWidget* WindowRegistry::Tabs() const {
    const WindowWidgets* main = Find(core::WindowId::MainWindow);
    return main != nullptr ? main->tabs : nullptr;
}

int IdOf(const QObject* widget) {
    return widget->property("hashwellId").toInt();
}

int FocusedControlId() {
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (const int id = IdOf(widget); id != 0) {
            return id;
        }
    }
    return 0;
}

}  // namespace hashwell::ui
