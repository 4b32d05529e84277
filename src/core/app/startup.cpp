#include "core/app/startup.h"

#include "core/app/dispatch.h"
#include "core/app/interrupted_saves.h"
#include "core/app/program_version.h"
#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/main_window/bit_sizes.h"
#include "core/main_window/file_opening.h"
#include "core/main_window/tab_enabling.h"
#include "core/shared/amounts.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"
#include "core/shared/settings_messages.h"
#include "core/verify/verify_run.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/skin.h"
#include "digest/registry.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr std::u16string_view kOwnershipNotice = u"Copyright (c) the Hashwell developers.";

// At most this many missing paths are named in the box that reports them.
constexpr std::size_t kMissingNamed = 10;

// The box after a run over several paths, some of which name nothing.
std::u16string MissingPathsText(const std::vector<platform::Path>& missing) {
    std::u16string text = GroupedCount(missing.size()) +
                          (missing.size() == 1 ? u" of the given paths does not exist: "
                                               : u" of the given paths do not exist: ");
    for (std::size_t i = 0; i < missing.size() && i < kMissingNamed; ++i) {
        text += (i > 0 ? u", '" : u"'") + platform::ReadableText(missing[i]) + u"'";
    }
    if (missing.size() > kMissingNamed) {
        text += u" and " + GroupedCount(missing.size() - kMissingNamed) + u" more";
    }
    return text + u".";
}

// The files and folders named on the command line are hashed into the grid on the List of
// Files tab, in their order. One name that names nothing is said so at once; of several, those
// that name nothing are said once, after the run.
void HashCommandLinePaths(Desktop& desktop, AppState& state) {
    const std::vector<platform::Path>& paths = state.commandLineArgs;
    state.currentFileName = paths.size() == 1 ? paths.front() : JoinPaths(paths);
    state.fileToHash = state.currentFileName;
    desktop.ShowTab(TabIndex::ListOfFiles);
    DrainEvents(desktop, state.events);
    ListRunReport report;
    if (paths.size() == 1 && TrimSpaces(paths.front()).empty()) {
        // nothing to hash
    } else if (paths.size() == 1 && !FileExists(paths.front())) {
        ShowError(desktop, u"Error",
                  u"File '" + platform::ReadableText(paths.front()) + u"' does not exist!");
    } else {
        FileListRun(desktop, state.events, state.startWidth, state.settings.Case, FileListColumns(),
                    paths, &report);
        if (report.end == RunEnd::StoppedToQuit) {
            state.quitRequested = true;
        } else if (!report.missing.empty()) {
            ShowError(desktop, u"Error", MissingPathsText(report.missing));
        }
    }
    // The other commands keep the states start-up gave them.
    UpdateCopyState(desktop, desktop.GridRowCount(MainControl::FileGrid) > 0);
}

// --verify: the checksum file named, or one the user chooses, verified on the List of Files tab.
void VerifyFromCommandLine(Desktop& desktop, AppState& state) {
    if (state.commandLineArgs.empty()) {
        VerifyCommand(desktop, state);
        return;
    }
    desktop.ShowTab(TabIndex::ListOfFiles);
    DrainEvents(desktop, state.events);
    ListRunReport report;
    VerifyChecksumFile(desktop, state.events, state.commandLineArgs.front(), state.settings.Case,
                       &report);
    state.quitRequested = report.end == RunEnd::StoppedToQuit;
    UpdateCopyState(desktop, desktop.GridRowCount(MainControl::FileGrid) > 0);
}

}  // namespace

bool StartUp(Desktop& desktop, AppState& state, const settings::SettingsEnvironment& environment,
             const std::vector<platform::Path>& paths, bool verify) {
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
    desktop.SetControlVisible(MainControl::FileProgressBar, false);
    ApplySkin(desktop, WindowId::MainWindow, state.settings.Skin);
    state.quitRequested = false;

    // CRC32 selected; "256 Bits" ticked but disabled until SHA2 or SHA3 is chosen.
    desktop.SetChecked(MainControl::CheckBits256, true);
    desktop.SetChecked(MainControl::OptionCrc32, true);
    state.method = digest::HashMethod::Crc32;
    state.bitSize = digest::BitSize::Bits256;
    EnableBitSizes(desktop, false);
    UpdateCopyState(desktop, false);  // no code yet

    if (verify) {
        VerifyFromCommandLine(desktop, state);
    } else if (!state.commandLineArgs.empty()) {
        HashCommandLinePaths(desktop, state);
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
               const std::vector<platform::Path>& paths, bool verify) {
    AppState state;
    if (StartUp(desktop, state, environment, paths, verify)) {
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
