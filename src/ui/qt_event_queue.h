#pragma once

// The event queue service of the port, on Qt's queue.

#include <QObject>
#include <deque>
#include <functional>
#include <vector>

#include "core/desktop/event_queue.h"

namespace hashwell::ui {

// The program's events on Qt's queue. Qt owns the real event loop; the core's events wait in
// it as Qt events and reach the core's handler one at a time.
class QtEventQueue : public QObject, public virtual core::EventQueue {
    Q_OBJECT

public:
    // Queues an event; it reaches the handler when Qt next processes its queue.
    void PostEvent(const core::Event& event);
    // Where events go outside RunEventLoop; for tests that watch the events themselves.
    void SetEventHandler(std::function<void(const core::Event&)> handler);

    void RunEventLoop(const std::function<bool(const core::Event&)>& handle) override;
    std::vector<core::Event> DrainEvents() override;
    void RepaintWindows() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Deliver(const core::Event& event);
    void HandleBacklog();
    // Lets Qt handle what is queued while user input is kept from every widget.
    void ProcessWithoutUserInput(bool alsoWindowSystemInput);

    std::deque<core::Event> backlog_;  // events waiting for their turn
    std::vector<core::Event> drained_;
    bool handling_ = false;
    bool draining_ = false;       // core events are thrown away as they come
    bool refusingInput_ = false;  // user input is kept from every widget
    std::function<void(const core::Event&)> eventHandler_;
};

}  // namespace hashwell::ui
