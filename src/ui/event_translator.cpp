#include "ui/event_translator.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>

#include "core/ids.h"

namespace hashwell::ui {
namespace {

int IdOf(const QObject* object) {
    return object->property("hashwellId").toInt();
}

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

EventTranslator::EventTranslator(const MainWindowWidgets& main, Post post)
    : main_(main), post_(std::move(post)) {
    using namespace core::ControlId;
    for (const auto& [id, action] : main_.menuItems) {
        connect(action, &QAction::triggered, this, [this, itemId = id] {
            post_({core::EventKind::Menu, itemId, core::WindowId::MainWindow,
                   core::EventType::LeftClick});
        });
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), main_.window.get());
    connect(help, &QShortcut::activated, this, [this] {
        post_({core::EventKind::Menu, core::MenuId::ShortcutHelp, core::WindowId::MainWindow,
               core::EventType::LeftClick});
    });
    for (const auto& [id, control] : main_.controls) {
        // Only the user clicks: setChecked and setText raise no clicked signal.
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { PostControl(id); });
        }
    }
    connect(main_.tabs, &QTabWidget::currentChanged, this, [this] { PostControl(TabPanel); });
    auto* input = qobject_cast<QPlainTextEdit*>(main_.controls.at(TextInput));
    connect(input, &QPlainTextEdit::textChanged, this, [this] { PostControl(TextInput); });
    for (const int box : {TextInput, TextHashBox, FileNameBox, FileHashBox, FileGrid}) {
        WatchMouse(main_.controls.at(box));
    }
    main_.window->installEventFilter(this);
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
    if (watched == main_.window.get() && event->type() == QEvent::Close) {
        if (closeAllowed_) {
            return false;
        }
        // The core decides whether the program ends.
        event->ignore();
        post_({core::EventKind::CloseWindow, core::WindowId::MainWindow, core::WindowId::MainWindow,
               core::EventType::LeftClick});
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
        (id == core::ControlId::FileGrid || *type == core::EventType::LeftClick ||
         *type == core::EventType::LeftDoubleClick)) {
        PostControl(id, *type);
    }
    return false;
}

}  // namespace hashwell::ui
