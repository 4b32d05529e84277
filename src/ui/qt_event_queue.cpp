#include "ui/qt_event_queue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>

namespace hashwell::ui {
namespace {

// A core event waiting in Qt's queue.
class QueuedCoreEvent : public QEvent {
public:
    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit QueuedCoreEvent(const core::Event& event) : QEvent(Type()), coreEvent(event) {}
    core::Event coreEvent;
};

// What the user does with mouse and keyboard, as opposed to what the program itself causes.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

void QtEventQueue::PostEvent(const core::Event& event) {
    QCoreApplication::postEvent(this, new QueuedCoreEvent(event));
}

void QtEventQueue::SetEventHandler(std::function<void(const core::Event&)> handler) {
    eventHandler_ = std::move(handler);
}

void QtEventQueue::RunEventLoop(const std::function<bool(const core::Event&)>& handle) {
    QEventLoop loop;
    bool running = true;
    auto watcher = std::move(eventHandler_);
    eventHandler_ = [&](const core::Event& event) {
        if (running && !handle(event)) {
            running = false;
            loop.quit();
        }
    };
    QMetaObject::invokeMethod(this, &QtEventQueue::HandleBacklog, Qt::QueuedConnection);
    loop.exec();
    eventHandler_ = std::move(watcher);
    backlog_.clear();
}

std::vector<core::Event> QtEventQueue::DrainEvents() {
    // Pending repaints and the like are handled; clicks and keys made meanwhile are thrown
    // away before any control sees them, and so are the core events they raise.
    drained_.assign(backlog_.begin(), backlog_.end());
    backlog_.clear();
    draining_ = true;
    ProcessWithoutUserInput(false);
    draining_ = false;
    return std::move(drained_);
}

void QtEventQueue::RepaintWindows() {
    // The window system's user input stays queued for the next drain; core events raised
    // meanwhile wait in the backlog, and that drain takes them too.
    ProcessWithoutUserInput(true);
}

void QtEventQueue::ProcessWithoutUserInput(bool alsoWindowSystemInput) {
    refusingInput_ = true;
    QCoreApplication::instance()->installEventFilter(this);
    QCoreApplication::processEvents(alsoWindowSystemInput ? QEventLoop::ExcludeUserInputEvents
                                                          : QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(this);
    refusingInput_ = false;
}

void QtEventQueue::Deliver(const core::Event& event) {
    if (draining_) {
        drained_.push_back(event);
        return;
    }
    backlog_.push_back(event);
    HandleBacklog();
}

// One event at a time: one that arrives while another is handled (in the nested loop of a
// modal box, or while a long command repaints), or before the program's loop has begun, waits
// its turn.
void QtEventQueue::HandleBacklog() {
    if (handling_ || !eventHandler_) {
        return;
    }
    handling_ = true;
    while (!backlog_.empty() && eventHandler_) {
        const core::Event next = backlog_.front();
        backlog_.pop_front();
        eventHandler_(next);
    }
    handling_ = false;
}

bool QtEventQueue::event(QEvent* event) {
    if (event->type() == QueuedCoreEvent::Type()) {
        Deliver(static_cast<QueuedCoreEvent*>(event)->coreEvent);
        return true;
    }
    return QObject::event(event);
}

bool QtEventQueue::eventFilter(QObject*, QEvent* event) {
    if (!refusingInput_ || !IsUserInput(event->type())) {
        return false;
    }
    // Escape is the one key a busy command hears of: it asks to stop. One that arrives while
    // the windows are repainted waits in the backlog for the next drain.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
            const core::Event escape{core::EventKind::Escape, 0, core::WindowId::MainWindow};
            if (draining_) {
                drained_.push_back(escape);
            } else {
                backlog_.push_back(escape);
            }
        }
    }
    return true;
}

}  // namespace hashwell::ui
