#include "core/app/startup.h"

#include "core/app/dispatch.h"
#include "core/app/interrupted_saves.h"
#include "core/app/program_version.h"
#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/main_window/bit_sizes.h"
#include "core/main_window/file_opening.h"
#include "core/main_window/tab_enabling.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"
#include "core/shared/settings_messages.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/skin.h"
#include "digest/registry.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr std::u16string_view kOwnershipNotice = u"Copyright (c) the Hashwell developers.";

// A file named on the command line is hashed as a one-file list on the List of Files tab; a
// name that names nothing is said so.
void HashCommandLineFile(Desktop& desktop, AppState& state) {
    state.currentFileName = state.commandLineArgs.front();
    state.fileToHash = state.currentFileName;
    desktop.ShowTab(TabIndex::ListOfFiles);
    DrainEvents(desktop, state.events);
    if (TrimSpaces(state.currentFileName).empty()) {
        // nothing to hash
    } else if (!FileExists(state.currentFileName)) {
        ShowError(desktop, u"Error",
                  u"File '" + platform::ReadableText(state.currentFileName) + u"' does not exist!");
    } else {
        FileListRun(desktop, state.events, state.startWidth, state.settings.Case, FileListColumns(),
                    {state.currentFileName});
    }
    // The other commands keep the states start-up gave them.
    UpdateCopyState(desktop, desktop.GridRowCount(MainControl::FileGrid) > 0);
}

}  // namespace

bool StartUp(Desktop& desktop, AppState& state, const settings::SettingsEnvironment& environment,
             const std::vector<platform::Path>& paths) {
    desktop.SetResizeHandler(
        [&desktop, &state](WindowId windowId) { HandleWindowSize(desktop, state, windowId); });
    state.commandLineArgs = paths;
    state.programPath = environment.programPath;

    state.platformBits = kPlatformBits;
    state.location = settings::ResolveSettingsPath(environment);
    ReportSettingsFolder(desktop, state.location);
    state.versionNumber = VersionNumber(kProgramVersion);
    state.versionText = VersionText(kProgramVersion);
    state.ownershipNotice = kOwnershipNotice;
    ReportSettingsLoad(desktop,
                       settings::LoadSettings(state.location.SettingsFilePath, state.settings));
    ReportInterruptedSaves(desktop);
    state.savedSettings = state.settings;
    digest::RegisterDigestMethods();

    if (!desktop.BuildMainWindow()) {
        return false;
    }
    // Anchored at the size it was built with, so that a window system that resizes the window
    // as it appears already moves the controls with it.
    state.anchors.Register(desktop, MainWindowSpec());
    desktop.ShowWindow(WindowId::MainWindow);
    if (state.settings.MainOnTop == 1) {
        desktop.SetWindowTopMost(WindowId::MainWindow, true);
    }
    state.startWidth = desktop.ClientSize(WindowId::MainWindow).width;
    desktop.SetControlVisible(MainControl::ProgressBar, false);
    ApplySkin(desktop, WindowId::MainWindow, state.settings.Skin);
    state.quitRequested = false;

    // CRC32 selected; "256 Bits" ticked but disabled until SHA2 or SHA3 is chosen.
    desktop.SetChecked(MainControl::CheckBits256, true);
    desktop.SetChecked(MainControl::OptionCrc32, true);
    state.method = digest::HashMethod::Crc32;
    state.bitSize = digest::BitSize::Bits256;
    EnableBitSizes(desktop, false);
    UpdateCopyState(desktop, false);  // no code yet

    if (!state.commandLineArgs.empty()) {
        HashCommandLineFile(desktop, state);
    }
    return true;
}

void ShutDown(Desktop& desktop, const AppState& state) {
    if (state.aboutCreated) {
        desktop.CloseWindow(WindowId::AboutWindow);
    }
    if (state.preferencesCreated) {
        desktop.CloseWindow(WindowId::PreferencesWindow);
    }
    desktop.CloseWindow(WindowId::MainWindow);
}

int RunProgram(Desktop& desktop, const settings::SettingsEnvironment& environment,
               const std::vector<platform::Path>& paths) {
    AppState state;
    if (StartUp(desktop, state, environment, paths)) {
        RunEventLoop(desktop, state);
        ShutDown(desktop, state);
    }
    // The resize handler refers to the state, which ends here.
    desktop.SetResizeHandler(nullptr);
    return 0;
}

void HandleWindowSize(Desktop& desktop, const AppState& state, WindowId windowId) {
    state.anchors.Reanchor(desktop, windowId);
}

}  // namespace hashwell::core
