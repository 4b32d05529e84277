#include "core/shared/event_record.h"

namespace hashwell::core {

void EventRecord::Dispatched(const Event& event) {
    if (event.kind == EventKind::MouseMove) {
        ++mouseMoveCount;
        return;
    }
    mouseMoveCount = 0;
    lastObjectId = event.objectId;
}

void EventRecord::Drained(const Event& event) {
    if (event.kind != EventKind::MouseMove && event.kind != EventKind::Escape) {
        lastObjectId = event.objectId;
    }
}

void DrainEvents(EventQueue& queue, EventRecord& record) {
    for (const Event& event : queue.DrainEvents()) {
        record.Drained(event);
    }
}

}  // namespace hashwell::core
