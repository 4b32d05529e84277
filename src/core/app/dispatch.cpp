#include "core/app/dispatch.h"

#include "core/about/about_commands.h"
#include "core/app/main_window_dispatch.h"
#include "core/clipboard/clipboard_commands.h"
#include "core/clipboard/drops.h"
#include "core/preferences/preferences_commands.h"
#include "core/windows/help_topics.h"

namespace hashwell::core {
namespace {

void HandleCloseWindow(Desktop& desktop, AppState& state, WindowId windowId) {
    if (windowId == WindowId::MainWindow) {
        state.quitRequested = true;  // nothing is asked and nothing is saved
    } else if (windowId == WindowId::AboutWindow || windowId == WindowId::PreferencesWindow) {
        desktop.HideWindow(windowId);
        state.helpTopic = kHelpIndex;
    }
}

// A control event goes to its window's commands, which know the window's own ids.
void HandleControl(Desktop& desktop, AppState& state, const Event& event) {
    switch (event.windowId) {
        case WindowId::MainWindow:
            HandleMainWindowControl(desktop, state, static_cast<MainControl>(event.objectId),
                                    event);
            break;
        case WindowId::AboutWindow:
            HandleAboutControl(desktop, state, static_cast<AboutControl>(event.objectId), event);
            break;
        case WindowId::PreferencesWindow:
            HandlePreferencesControl(desktop, state,
                                     static_cast<PreferencesControl>(event.objectId), event);
            break;
    }
}

}  // namespace

void HandleEvent(Desktop& desktop, AppState& state, const Event& event) {
    state.events.Dispatched(event);
    if (std::optional<std::u16string> topic = HelpTopicOf(event)) {
        state.helpTopic = std::move(*topic);
    }
    switch (event.kind) {
        case EventKind::CloseWindow:
            HandleCloseWindow(desktop, state, event.windowId);
            break;
        case EventKind::Menu:
            HandleMenuItem(desktop, state, static_cast<MenuItem>(event.objectId));
            break;
        case EventKind::Control:
            HandleControl(desktop, state, event);
            break;
        case EventKind::Drop:
            HandleDrop(desktop, state, event);
            break;
        case EventKind::MouseMove:
            HandleMouseMove(desktop, state);
            break;
        case EventKind::Escape:  // only a run listens for it
            break;
    }
}

void RunEventLoop(Desktop& desktop, AppState& state) {
    if (state.quitRequested) {
        return;
    }
    desktop.RunEventLoop([&](const Event& event) {
        HandleEvent(desktop, state, event);
        return !state.quitRequested;
    });
}

}  // namespace hashwell::core
