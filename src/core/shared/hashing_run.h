#pragma once

// Waiting for the workers of a run while the windows stay drawn, the bar moves, and the user
// may stop it.

#include <chrono>

#include "core/desktop/desktop.h"
#include "core/shared/event_record.h"
#include "digest/list_hasher.h"

namespace hashwell::core {

// In the order of precedence: a close box asked for after Escape still ends the program.
enum class RunEnd {
    Finished,
    Stopped,        // by Escape: the files in hand were abandoned
    StoppedToQuit,  // by the main window's close box: the program ends once the run is over
};

// How often the bar moves and the user's input is looked at: a stop takes effect within this
// and the chunk a worker has in hand.
inline constexpr std::chrono::milliseconds kRunTick{40};

// Throws away what the user did since the last call, and says whether it stops the run.
RunEnd StopAsked(Desktop& desktop, EventRecord& events);

// Waits for `hasher` to end, moving `bar` with the bytes read. Every click and key made
// meanwhile is thrown away, except Escape and the main window's close box, which stop the run.
RunEnd WaitForRun(Desktop& desktop, EventRecord& events, digest::ListHasher& hasher,
                  MainControl bar);

}  // namespace hashwell::core
