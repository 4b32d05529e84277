#include "support/fake_event_queue.h"

namespace hashwell::test {

void FakeEventQueue::RunEventLoop(const std::function<bool(const core::Event&)>& handle) {
    while (!queue.empty()) {
        const core::Event event = queue.front();
        queue.pop_front();
        if (!handle(event)) {
            return;
        }
    }
}

std::vector<core::Event> FakeEventQueue::DrainEvents() {
    ++drains;
    std::vector<core::Event> drained(queue.begin(), queue.end());
    queue.clear();
    return drained;
}

}  // namespace hashwell::test
