#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

class QAction;
class QTabWidget;
class QWidget;

namespace hashwell::ui {

// The widgets of the main window, found by their ids.
struct MainWindowWidgets {
    std::unique_ptr<QMainWindow> window;
    QWidget* client = nullptr;  // the area below the menu bar
    QTabWidget* tabs = nullptr;
    std::map<int, QWidget*> controls;
    std::map<int, QAction*> menuItems;
};

// Creates the main window, hidden, with its menu bar and every control in its place. Each
// widget carries its control's name as objectName and its id in the property "hashwellId".
MainWindowWidgets BuildMainWindowWidgets();

}  // namespace hashwell::ui
