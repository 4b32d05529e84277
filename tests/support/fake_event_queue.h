#pragma once

#include <deque>

#include "core/desktop/event_queue.h"

namespace hashwell::test {

// The user's next actions as a queue of events, handed over in order.
class FakeEventQueue : public virtual core::EventQueue {
public:
    void RunEventLoop(const std::function<bool(const core::Event&)>& handle) override;
    std::vector<core::Event> DrainEvents() override;
    void RepaintWindows() override { ++repaints; }

    std::deque<core::Event> queue;  // what the user does next
    int drains = 0;
    int repaints = 0;
};

}  // namespace hashwell::test
