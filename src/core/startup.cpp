#include "core/startup.h"

#include "core/ids.h"
#include "core/skin.h"
#include "digest/registry.h"

namespace hashwell::core {

bool StartUp(Desktop& desktop, AppState& state, const settings::SettingsEnvironment& environment) {
    state.location = settings::ResolveSettingsPath(environment, desktop);
    settings::LoadSettings(state.location.SettingsFilePath, state.settings, desktop);
    state.savedSettings = state.settings;
    digest::RegisterDigestMethods();
    if (!desktop.BuildMainWindow()) {
        return false;
    }
    RegisterMainWindowAnchors(desktop, state.anchors);
    state.startWidth = desktop.ClientSize(WindowId::MainWindow).width;
    desktop.SetControlVisible(ControlId::ProgressBar, false);
    ApplySkin(desktop, WindowId::MainWindow, state.settings.Skin);

    // CRC32 selected; "256 Bits" ticked but disabled until SHA2 or SHA3 is chosen.
    desktop.SetChecked(ControlId::CheckBits256, true);
    desktop.SetChecked(ControlId::OptionCrc32, true);
    state.method = 2;
    state.bitSize = 256;
    for (const int box : {ControlId::CheckBits224, ControlId::CheckBits256, ControlId::CheckBits384,
                          ControlId::CheckBits512}) {
        desktop.SetControlEnabled(box, false);
    }
    return true;
}

void HandleWindowSize(Desktop& desktop, const AppState& state, int windowId) {
    state.anchors.Reanchor(desktop, windowId);
}

}  // namespace hashwell::core
