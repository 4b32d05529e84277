#include "core/shared/hashing_run.h"

#include <algorithm>

namespace hashwell::core {

RunEnd StopAsked(Desktop& desktop, EventRecord& events) {
    RunEnd asked = RunEnd::Finished;
    // Taking the queue's events draws the windows too; what the user did meanwhile is thrown
    // away unless it stops the run.
    for (const Event& event : desktop.DrainEvents()) {
        events.Drained(event);
        if (event.kind == EventKind::Escape) {
            asked = std::max(asked, RunEnd::Stopped);
        } else if (event.kind == EventKind::CloseWindow && event.windowId == WindowId::MainWindow) {
            asked = RunEnd::StoppedToQuit;
        }
    }
    return asked;
}

RunEnd WaitForRun(Desktop& desktop, EventRecord& events, digest::ListHasher& hasher,
                  MainControl bar) {
    RunEnd end = RunEnd::Finished;
    int shown = 0;
    while (!hasher.WaitFor(kRunTick)) {
        if (const int percent = hasher.PercentDone(); percent > shown) {
            shown = percent;
            desktop.SetProgress(bar, percent);
        }
        desktop.RepaintWindows();
        const RunEnd asked = StopAsked(desktop, events);
        if (asked > end) {
            end = asked;
            hasher.Stop();
        }
    }
    return end;
}

}  // namespace hashwell::core
