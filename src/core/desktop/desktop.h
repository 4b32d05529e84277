#pragma once

// The port through which the core drives the desktop, one narrow interface per service; the
// Qt layer implements them for the real program, fakes implement them for tests. Desktop is
// all of them at once, for the code that needs several; code that needs one takes that one.
// The services are virtual bases, so that an implementation can be put together from one
// class per service.

#include "core/desktop/clipboard.h"
#include "core/desktop/controls.h"
#include "core/desktop/desktop_windows.h"
#include "core/desktop/dialogs.h"
#include "core/desktop/event_queue.h"
#include "core/desktop/shell.h"

namespace hashwell::core {

class Desktop : public virtual Controls,
                public virtual Windows,
                public virtual Dialogs,
                public virtual Clipboard,
                public virtual Shell,
                public virtual EventQueue {};

}  // namespace hashwell::core
