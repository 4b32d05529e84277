#include "ui/main_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/list_grid.h"

#include "core/app/ids.h"
#include "ui/main_window_layout.h"
#include "ui/text_box.h"
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

QTableWidget* MakeGrid(int builtWidth, QWidget* parent) {
    auto* grid = new ListGrid(builtWidth, parent);
    grid->InsertTitledColumn(0, QString(), 100);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, kLightYellow);
    // The selected row stays as visible when the grid loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    grid->setPalette(palette);
    return grid;
}

QProgressBar* MakeProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    // A smooth bar: dark blue on silver, no segments.
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { background-color: rgb(192, 192, 192); "
                       "border: none; }"
                       "QProgressBar::chunk { background-color: rgb(0, 64, 128); }"));
    return bar;
}

QWidget* MakeControl(const ControlLayout& layout, QWidget* parent, QButtonGroup& options) {
    const QString text = QString::fromUtf8(layout.text);
    switch (layout.kind) {
        case ControlKind::Frame:
            return MakeFrame(text, parent);
        case ControlKind::Button:
            return MakeButton(text, parent);
        case ControlKind::TabPanel:
            return new QTabWidget(parent);
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox: {
            auto* box = new TextBox(parent);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setReadOnly(layout.kind == ControlKind::ReadOnlyTextBox);
            // The program's own context menus replace the built-in one.
            box->setContextMenuPolicy(Qt::NoContextMenu);
            return box;
        }
        case ControlKind::Grid:
            return MakeGrid(layout.width, parent);
        case ControlKind::ProgressBar:
            return MakeProgressBar(parent);
        case ControlKind::Option: {
            auto* option = new QRadioButton(text, parent);
            options.addButton(option);
            return option;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(text, parent);
    }
    return nullptr;
}

void BuildMenuBar(QMainWindow& window, WindowWidgets& parts) {
    QMenu* menu = nullptr;
    for (const MenuItemLayout& item : MainMenuItems()) {
        const QString title = QString::fromUtf8(item.title);
        if (menu == nullptr || menu->title() != title) {
            menu = window.menuBar()->addMenu(title);
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setProperty("hashwellId", item.id);
        parts.menuItems[item.id] = action;
    }
}

// The context menus, built once and shown by the commands; their items are the window's.
void BuildPopupMenus(QMainWindow& window, WindowWidgets& parts) {
    for (const PopupItemLayout& item : PopupMenuItems()) {
        QMenu*& menu = parts.popupMenus[item.menuId];
        if (menu == nullptr) {
            menu = new QMenu(&window);
            menu->setObjectName(QString::fromUtf8(item.menuName));
            menu->setProperty("hashwellId", item.menuId);
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setProperty("hashwellId", item.id);
        parts.menuItems[item.id] = action;
    }
}

}  // namespace

WindowWidgets BuildMainWindowWidgets() {
    WindowWidgets parts;
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QStringLiteral("MainWindow"));
    window->setWindowTitle(QStringLiteral("Hashwell"));
    window->setFont(StockGuiFont());
    BuildMenuBar(*window, parts);
    BuildPopupMenus(*window, parts);
    parts.client = new QWidget(window.get());
    window->setCentralWidget(parts.client);
    parts.window = std::move(window);

    auto* options = new QButtonGroup(parts.window.get());
    options->setExclusive(true);
    std::map<Place, QWidget*> places{{Place::Window, parts.client}};
    for (const ControlLayout& layout : MainWindowControls()) {
        QWidget* control = MakeControl(layout, places.at(layout.place), *options);
        control->setObjectName(QString::fromUtf8(layout.name));
        control->setProperty("hashwellId", layout.id);
        control->setGeometry(layout.x, layout.y, layout.width, layout.height);
        if (layout.toolTip != nullptr) {
            control->setToolTip(QString::fromUtf8(layout.toolTip));
        }
        parts.controls[layout.id] = control;
        if (layout.kind == ControlKind::TabPanel) {
            parts.tabs = static_cast<QTabWidget*>(control);
            const std::pair<Place, const char*> pages[] = {{Place::TextTab, "Text"},
                                                           {Place::FileTab, "File"},
                                                           {Place::ListTab, "List of Files"}};
            for (const auto& [place, title] : pages) {
                auto* page = new QWidget;
                parts.tabs->addTab(page, QString::fromUtf8(title));
                places[place] = page;
            }
        }
    }
    // The frame is drawn behind the buttons it surrounds.
    parts.controls.at(core::ControlId::ToolbarFrame)->lower();
    SetBase(parts.controls.at(core::ControlId::TextHashBox), kLightYellow);
    SetBase(parts.controls.at(core::ControlId::FileHashBox), kLightYellow);
    SetBase(parts.controls.at(core::ControlId::FileNameBox), kLightGrey);
    return parts;
}

}  // namespace hashwell::ui
