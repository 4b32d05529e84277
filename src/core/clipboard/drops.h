#pragma once

// Text and files dropped onto the main window's panel and its boxes.

#include "core/desktop/desktop.h"
#include "core/desktop/event.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

enum class DropPayload { Text, OneFile, SeveralFiles };

// The tab a drop onto the panel goes to, from the tab shown (-1 for none): text goes to the
// Text tab, several files to the List of Files tab, one file stays where it is (to the File tab
// when no tab is shown).
int ChooseDropTab(int shownTab, DropPayload payload);

// A drop event: what was dropped (the event's text, or its paths) onto which control.
void HandleDrop(Desktop& desktop, AppState& state, const Event& event);

}  // namespace hashwell::core
