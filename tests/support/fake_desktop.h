#pragma once

// An in-memory desktop for core tests, made of one fake per service of the port.

#include "core/desktop/desktop.h"
#include "support/fake_clipboard.h"
#include "support/fake_controls.h"
#include "support/fake_event_queue.h"
#include "support/fake_windows.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"

namespace hashwell::test {

class FakeDesktop final : public core::Desktop,
                          public FakeEventQueue,
                          public FakeWindows,
                          public FakeControls,
                          public ScriptedDialogs,
                          public FakeClipboard,
                          public RecordingShell {};

}  // namespace hashwell::test
