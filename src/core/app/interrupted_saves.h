#pragma once

// The box that tells, at start-up, of files whose rewrite was stopped half-way.

#include "core/desktop/dialogs.h"

namespace hashwell::core {

// Names, in one warning box, each file that a save or export was rewriting in place when the
// program was stopped, and the copy of its old content; nothing when there is none.
void ReportInterruptedSaves(Dialogs& dialogs);

}  // namespace hashwell::core
