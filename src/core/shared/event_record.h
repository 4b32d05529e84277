#pragma once

// What the core remembers of the events it takes off the queue, whether it acts on them or
// throws them away: the desktops only hand the events over.

#include "core/desktop/event.h"
#include "core/desktop/event_queue.h"

namespace hashwell::core {

struct EventRecord {
    // The id of the last window, menu, control or drop event taken off the queue, drained ones
    // included. A mouse movement carries no id of its own and stands for this one.
    int lastObjectId = 0;
    // Mouse movements handled since the last other event that was handled.
    int mouseMoveCount = 0;

    // An event the loop hands to the dispatch.
    void Dispatched(const Event& event);
    // An event thrown away unhandled.
    void Drained(const Event& event);
};

// Takes every queued event off the queue without acting on it; each still counts as the last.
void DrainEvents(EventQueue& queue, EventRecord& record);

}  // namespace hashwell::core
