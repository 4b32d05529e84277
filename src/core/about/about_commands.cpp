#include "core/about/about_commands.h"

#include <string>

#include "core/desktop/ids.h"
#include "core/help/web_pages.h"
#include "core/windows/skin.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;

// Blanks at both ends of a link's text are no part of the address.
std::u16string TrimBlanks(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(text.substr(first, text.find_last_not_of(u" \t") - first + 1));
}

}  // namespace

void OpenAbout(Desktop& desktop, AppState& state) {
    if (!state.aboutCreated) {
        if (!desktop.BuildWindow(WindowId::AboutWindow)) {
            return;
        }
        desktop.ShowWindow(WindowId::AboutWindow);
        ApplySkin(desktop, WindowId::AboutWindow, state.settings.Skin);
        desktop.SetControlText(AboutVersion, u"Version: " + state.versionText);
        desktop.SetControlText(AboutNotice, state.ownershipNotice);
        // Appended to what the title shows, so only here, when it is built.
        desktop.SetControlText(
            AboutTitle, desktop.ControlText(AboutTitle) + u" (" +
                            platform::AsciiToUtf16(std::to_string(state.platformBits)) + u"-Bit)");
        state.aboutCreated = true;
    } else {
        desktop.CentreWindow(WindowId::AboutWindow, WindowId::MainWindow);
        desktop.ShowWindow(WindowId::AboutWindow);
        ApplySkin(desktop, WindowId::AboutWindow, state.settings.Skin);
    }
    desktop.SetWindowTopMost(WindowId::AboutWindow, true);
}

void HandleAboutControl(Desktop& desktop, AppState& state, AboutControl control,
                        const Event& event) {
    if (control == AboutLink) {
        if (TrimBlanks(state.aboutLinkUrl).empty()) {
            state.aboutLinkUrl = TrimBlanks(desktop.ControlText(AboutLink));
        }
        if (!TrimBlanks(state.aboutLinkUrl).empty()) {
            OpenWebPage(desktop, state.events, TrimBlanks(state.aboutLinkUrl));
        }
    } else if (control == AboutOk && event.type == EventType::LeftClick) {
        desktop.HideWindow(WindowId::AboutWindow);
        state.helpTopic = kHelpIndex;
    }
}

}  // namespace hashwell::core
