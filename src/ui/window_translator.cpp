#include "ui/window_translator.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

#include "core/desktop/ids.h"

namespace hashwell::ui {

WindowTranslator::WindowTranslator(const WindowWidgets& window, core::WindowId windowId, Post post)
    : window_(window), windowId_(windowId), post_(std::move(post)) {
    for (const auto& [id, control] : window_.controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, [this, id = id] {
                post_({core::EventKind::Control, id, windowId_, core::EventType::LeftClick});
            });
        } else if (qobject_cast<QLabel*>(control) != nullptr &&
                   control->cursor().shape() == Qt::PointingHandCursor) {
            control->installEventFilter(this);  // a link: it reports the left button's release
        }
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window_.window.get());
    connect(help, &QShortcut::activated, this, [this] {
        post_({core::EventKind::Menu, static_cast<int>(core::MenuItem::ShortcutHelp), windowId_,
               core::EventType::LeftClick});
    });
    window_.window->installEventFilter(this);
}

bool WindowTranslator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.window.get() && event->type() == QEvent::Close) {
        if (closeAllowed_) {
            return false;
        }
        event->ignore();  // the core hides the window
        post_({core::EventKind::CloseWindow, static_cast<int>(windowId_), windowId_,
               core::EventType::LeftClick});
        return true;
    }
    // A link's release; one the link does not take goes on to the window, which is no control.
    if (watched != window_.window.get() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        post_({core::EventKind::Control, IdOf(watched), windowId_, core::EventType::LeftClick});
    }
    return false;
}

}  // namespace hashwell::ui
