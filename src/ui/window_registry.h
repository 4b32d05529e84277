#pragma once

#include <QAction>
#include <QWidget>
#include <map>
#include <memory>

class QMenu;
class QTabWidget;

namespace hashwell::ui {

// A program window and its parts. Each widget carries its control's name as objectName and its
// id in the property "hashwellId".
struct WindowWidgets {
    std::unique_ptr<QWidget> window;
    QWidget* client = nullptr;  // the area below the menu bar: what a skin colours
    QTabWidget* tabs = nullptr;
    std::map<int, QWidget*> controls;
    std::map<int, QAction*> menuItems;  // of the menu bar and the context menus
    std::map<int, QMenu*> popupMenus;   // the context menus
};

// The program's windows by their ids, and their controls and menu items by theirs (ids are
// unique across windows). A window joins when it is built and stays until the program ends.
class WindowRegistry {
public:
    const WindowWidgets& Add(int windowId, WindowWidgets widgets);

    const WindowWidgets* Find(int windowId) const;
    QWidget* Window(int windowId) const;  // nullptr when not built
    QWidget* Control(int controlId) const;
    QAction* MenuItem(int itemId) const;
    QMenu* PopupMenu(int menuId) const;
    QTabWidget* Tabs() const;  // the main window's panel

private:
    std::map<int, WindowWidgets> windows_;
};

// The id a widget carries, 0 for none.
int IdOf(const QObject* widget);

// The control that has the keyboard focus, 0 when no control of the program has it. The focus
// may sit on a part of a control; the id is on the control itself.
int FocusedControlId();

}  // namespace hashwell::ui
