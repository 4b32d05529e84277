#pragma once

// Where the user's actions come from: one event at a time, in the order the user made them.

#include <functional>
#include <vector>

#include "core/desktop/event.h"

namespace hashwell::core {

class EventQueue {
public:
    virtual ~EventQueue() = default;

    // Calls `handle` with each event as the user raises it, one at a time and never while an
    // earlier one is still being handled, until `handle` returns false.
    virtual void RunEventLoop(const std::function<bool(const Event&)>& handle) = 0;
    // Lets the desktop handle what is queued (repaints among it) and throws away the events
    // that result, so that clicks made during a long run are not acted on afterwards. Returns
    // the events thrown away, in order.
    virtual std::vector<Event> DrainEvents() = 0;
    // Lets the windows repaint what was uncovered or changed while a long command holds the
    // program, so that they stay drawn. Nothing the user does is acted on: it waits, and the
    // next DrainEvents throws it away.
    virtual void RepaintWindows() = 0;
};

}  // namespace hashwell::core
