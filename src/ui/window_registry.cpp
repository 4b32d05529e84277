#include "ui/window_registry.h"

#include <QApplication>
#include <QTabWidget>

namespace hashwell::ui {

const WindowWidgets& WindowRegistry::Add(core::WindowId window, WindowWidgets widgets) {
    widgets.window->setProperty("hashwellWindow", static_cast<int>(window));
    return windows_[window] = std::move(widgets);
}

const WindowWidgets* WindowRegistry::Find(core::WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

QWidget* WindowRegistry::Window(core::WindowId window) const {
    const WindowWidgets* widgets = Find(window);
    return widgets != nullptr ? widgets->window.get() : nullptr;
}

QWidget* WindowRegistry::Control(core::ControlRef control) const {
    const WindowWidgets* widgets = Find(control.Window());
    return widgets != nullptr ? widgets->Control(control) : nullptr;
}

QAction* WindowRegistry::MenuItem(core::MenuItem item) const {
    const WindowWidgets* main = Find(core::WindowId::MainWindow);
    if (main == nullptr) {
        return nullptr;
    }
    const auto found = main->menuItems.find(static_cast<int>(item));
    return found == main->menuItems.end() ? nullptr : found->second;
}

QMenu* WindowRegistry::PopupMenu(core::PopupMenu menu) const {
    const WindowWidgets* main = Find(core::WindowId::MainWindow);
    if (main == nullptr) {
        return nullptr;
    }
    const auto found = main->popupMenus.find(static_cast<int>(menu));
    return found == main->popupMenus.end() ? nullptr : found->second;
}

QTabWidget* WindowRegistry::Tabs() const {
    const WindowWidgets* main = Find(core::WindowId::MainWindow);
    return main != nullptr ? main->tabs : nullptr;
}

int IdOf(const QObject* widget) {
    return widget->property("hashwellId").toInt();
}

std::optional<core::ControlRef> FocusedControl() {
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        const QVariant window = widget->window()->property("hashwellWindow");
        if (const int id = IdOf(widget); id != 0 && window.isValid()) {
            return core::ControlRef::Of(static_cast<core::WindowId>(window.toInt()), id);
        }
    }
    return std::nullopt;
}

}  // namespace hashwell::ui
