#include "ui/event_translator.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QWindow>

#include "core/desktop/ids.h"
#include "core/windows/right_click_target.h"

namespace hashwell::ui {
namespace {

// The event type of a mouse press; nothing for other buttons.
std::optional<core::EventType> PressType(const QMouseEvent& press) {
    const bool twice = press.type() == QEvent::MouseButtonDblClick;
    if (press.button() == Qt::LeftButton) {
        return twice ? core::EventType::LeftDoubleClick : core::EventType::LeftClick;
    }
    if (press.button() == Qt::RightButton) {
        return twice ? core::EventType::RightDoubleClick : core::EventType::RightClick;
    }
    return std::nullopt;
}

}  // namespace

EventTranslator::EventTranslator(const WindowWidgets& main, Post post)
    : main_(main), post_(std::move(post)) {
    using enum core::MainControl;
    for (const auto& [id, action] : main_.menuItems) {
        connect(action, &QAction::triggered, this, [this, itemId = id] {
            post_({core::EventKind::Menu, itemId, core::WindowId::MainWindow,
                   core::EventType::LeftClick});
        });
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), main_.window.get());
    connect(help, &QShortcut::activated, this, [this] {
        post_({core::EventKind::Menu, static_cast<int>(core::MenuItem::ShortcutHelp),
               core::WindowId::MainWindow, core::EventType::LeftClick});
    });
    for (const auto& [id, control] : main_.controls) {
        // Only the user clicks: setChecked and setText raise no clicked signal.
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { PostControl(id); });
        }
    }
    connect(main_.tabs, &QTabWidget::currentChanged, this,
            [this] { PostControl(static_cast<int>(TabPanel)); });
    auto* input = qobject_cast<QPlainTextEdit*>(main_.Control(TextInput));
    connect(input, &QPlainTextEdit::textChanged, this,
            [this] { PostControl(static_cast<int>(TextInput)); });
    for (const core::MainControl box :
         {TextInput, TextHashBox, FileNameBox, FileHashBox, FileGrid}) {
        WatchMouse(main_.Control(box));
    }
    drops_ = std::make_unique<DropTargets>(main_, post_);
    drags_ = std::make_unique<TextDragWatcher>(
        [this](int box) { PostControl(box, core::EventType::DragStart); });
    for (const core::MainControl box : {TextInput, TextHashBox}) {
        drags_->Watch(main_.Control(box), static_cast<int>(box));
    }
    main_.window->installEventFilter(this);
}

QMainWindow* EventTranslator::Window() const {
    return static_cast<QMainWindow*>(main_.window.get());
}

void EventTranslator::WatchNativeWindow() {
    if (!watchingNativeWindow_ && Window()->windowHandle() != nullptr) {
        Window()->windowHandle()->installEventFilter(this);
        watchingNativeWindow_ = true;
    }
}

void EventTranslator::PostControl(int controlId, core::EventType type) {
    post_({core::EventKind::Control, controlId, core::WindowId::MainWindow, type});
}

// Clicks land on a scroll area's viewport, which has no id of its own.
void EventTranslator::WatchMouse(QWidget* control) {
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    (area != nullptr ? area->viewport() : control)->installEventFilter(this);
}

bool EventTranslator::eventFilter(QObject* watched, QEvent* event) {
    const bool rightPress = (event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseButtonDblClick) &&
                            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (watched == Window()->windowHandle()) {
        if (rightPress) {
            return HandleRightButton(event);
        }
        if (event->type() == QEvent::MouseMove) {
            // Over any part of the window; a movement has no control of its own.
            post_({core::EventKind::MouseMove, 0, core::WindowId::MainWindow});
        }
        return false;
    }
    if (watched == main_.window.get() && event->type() == QEvent::Close) {
        if (closeAllowed_) {
            return false;
        }
        // The core decides whether the program ends.
        event->ignore();
        post_({core::EventKind::CloseWindow, static_cast<int>(core::WindowId::MainWindow),
               core::WindowId::MainWindow, core::EventType::LeftClick});
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
        return false;
    }
    int id = IdOf(watched);
    if (id == 0 && watched->parent() != nullptr) {
        id = IdOf(watched->parent());
    }
    const std::optional<core::EventType> type = PressType(*static_cast<QMouseEvent*>(event));
    // The boxes' right clicks are raised by the right-button rule, for the focused box.
    if (id != 0 && type &&
        (id == static_cast<int>(core::MainControl::FileGrid) ||
         *type == core::EventType::LeftClick || *type == core::EventType::LeftDoubleClick)) {
        PostControl(id, *type);
    }
    return false;
}

// A right press over any control of the main window opens the menu of the box that has the
// focus: one event per press (Qt reports the second press of a double click twice, as a press
// and as a double click). The press is then kept from the control: it neither moves the focus
// nor opens the control's own menu. The grid reports its right clicks itself and gets them.
bool EventTranslator::HandleRightButton(QEvent* event) {
    const auto* press = static_cast<QMouseEvent*>(event);
    QWidget* target = Window()->childAt(press->position().toPoint());
    QMenuBar* menuBar = Window()->menuBar();
    if (target == nullptr || target == main_.client || target == menuBar ||
        menuBar->isAncestorOf(target)) {
        return false;
    }
    const std::optional<core::MainControl> box = core::RightClickTarget(FocusedControl());
    if (box && event->type() == QEvent::MouseButtonPress) {
        post_({core::EventKind::Control, static_cast<int>(*box), core::WindowId::MainWindow,
               core::EventType::RightClick});
    }
    QWidget* grid = main_.Control(core::MainControl::FileGrid);
    return target != grid && !grid->isAncestorOf(target);
}

}  // namespace hashwell::ui
