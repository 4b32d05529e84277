#include "ui/main_window.h"

#include <QButtonGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "core/windows/main_window_controls.h"
#include "ui/window_parts.h"

namespace hashwell::ui {
namespace {

const QColor kLightYellow(255, 255, 198);
const QColor kLightGrey(247, 247, 247);

void SetBase(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

void BuildMenuBar(QMainWindow& window, WindowWidgets& parts) {
    QMenu* menu = nullptr;
    for (const core::MenuItemSpec& item : core::MainMenuItems()) {
        const QString title = QString::fromUtf8(item.title);
        if (menu == nullptr || menu->title() != title) {
            menu = window.menuBar()->addMenu(title);
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setProperty("hashwellId", static_cast<int>(item.item));
        parts.menuItems[static_cast<int>(item.item)] = action;
    }
}

// The context menus, built once and shown by the commands; their items are the window's.
void BuildPopupMenus(QMainWindow& window, WindowWidgets& parts) {
    for (const core::PopupItemSpec& item : core::PopupMenuItems()) {
        QMenu*& menu = parts.popupMenus[static_cast<int>(item.menu)];
        if (menu == nullptr) {
            menu = new QMenu(&window);
            menu->setObjectName(QString::fromUtf8(item.menuName));
            menu->setProperty("hashwellId", static_cast<int>(item.menu));
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setProperty("hashwellId", static_cast<int>(item.item));
        parts.menuItems[static_cast<int>(item.item)] = action;
    }
}

}  // namespace

WindowWidgets BuildMainWindowWidgets() {
    const core::WindowSpec& spec = core::MainWindowSpec();
    WindowWidgets parts;
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QString::fromUtf8(spec.name));
    window->setWindowTitle(QString::fromUtf8(spec.title));
    window->setFont(StockGuiFont());
    BuildMenuBar(*window, parts);
    BuildPopupMenus(*window, parts);
    parts.client = new QWidget(window.get());
    window->setCentralWidget(parts.client);
    parts.window = std::move(window);

    auto* options = new QButtonGroup(parts.window.get());
    options->setExclusive(true);
    std::map<core::Place, QWidget*> places{{core::Place::Window, parts.client}};
    for (const core::ControlSpec& control : spec.controls) {
        QWidget* widget = MakeControl(control, places.at(control.place), options);
        parts.controls[control.control.Id()] = widget;
        if (control.kind == core::ControlKind::TabPanel) {
            parts.tabs = static_cast<QTabWidget*>(widget);
            const std::pair<core::Place, const char*> pages[] = {
                {core::Place::TextTab, "Text"},
                {core::Place::FileTab, "File"},
                {core::Place::ListTab, "List of Files"}};
            for (const auto& [place, title] : pages) {
                auto* page = new QWidget;
                parts.tabs->addTab(page, QString::fromUtf8(title));
                places[place] = page;
            }
        }
    }
    SetBase(parts.Control(core::MainControl::TextHashBox), kLightYellow);
    SetBase(parts.Control(core::MainControl::FileHashBox), kLightYellow);
    SetBase(parts.Control(core::MainControl::FileNameBox), kLightGrey);
    return parts;
}

}  // namespace hashwell::ui
