#include "core/main_window/calculate.h"

#include "core/desktop/ids.h"
#include "core/main_window/bit_sizes.h"
#include "core/main_window/file_opening.h"
#include "core/main_window/tab_enabling.h"
#include "core/shared/display_code.h"
#include "core/shared/hashing_run.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"
#include "digest/catalogue.h"
#include "digest/file_digest.h"
#include "digest/list_hasher.h"
#include "digest/text_digest.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr unsigned kWorkers = 2;  // a large file's reading and hashing on two cores

// SHA2 and SHA3 without a chosen size are computed, and shown, as 256 bits.
void EnsureBitSize(Desktop& desktop, AppState& state) {
    if (HasBitSizes(state.method) && state.bitSize == digest::BitSize::None) {
        state.bitSize = digest::BitSize::Bits256;
        SelectBitSize(desktop, 2, false);
    }
}

// The box's new text is a change of the box, which the box's own event answers by enabling
// Copy Hash; the desktop raises no event for a text the program sets, so it is done here.
void ShowCode(Desktop& desktop, const AppState& state, MainControl boxId, const std::string& code) {
    desktop.SetControlText(boxId, DisplayCode(code, state.settings.Case));
    UpdateCopyState(desktop, !code.empty());
}

void CalculateText(Desktop& desktop, AppState& state) {
    EnsureBitSize(desktop, state);
    const std::u16string text = desktop.ControlText(MainControl::TextInput);
    if (text.empty()) {
        return;  // a text of only spaces is hashed like any other
    }
    const std::int32_t bits = HasBitSizes(state.method) ? state.bitSize : digest::BitSize::Bits256;
    state.textHash = digest::HashText(text, state.method, bits, state.settings.Format);
    ShowCode(desktop, state, MainControl::TextHashBox, state.textHash);
}

// The chosen file's code into state.fileHash, read and hashed by workers while the File tab's
// bar moves; Escape or the close box stop it, leaving no code.
RunEnd HashChosenFile(Desktop& desktop, AppState& state, std::int32_t bits,
                      std::u16string* reason) {
    const digest::Algorithm* algorithm = digest::FindAlgorithm(state.method, bits);
    if (algorithm == nullptr) {  // no such method or size: the engine says why
        state.fileHash = digest::HashFile(state.fileToHash, state.method, bits, reason);
        return RunEnd::Finished;
    }
    digest::ListHasher hasher({{state.fileToHash, {algorithm->id}}}, kWorkers);
    desktop.SetProgress(MainControl::FileProgressBar, 0);
    desktop.SetControlVisible(MainControl::FileProgressBar, true);
    const RunEnd end = WaitForRun(desktop, state.events, hasher, MainControl::FileProgressBar);
    desktop.SetControlVisible(MainControl::FileProgressBar, false);
    if (end == RunEnd::Finished) {
        state.fileHash = hasher.CodesOf(0).front();
        *reason = hasher.FailureOf(0);
    }
    return end;
}

void CalculateFile(Desktop& desktop, AppState& state) {
    if (TrimSpaces(desktop.ControlText(MainControl::FileNameBox)).empty()) {
        return;
    }
    EnsureBitSize(desktop, state);
    state.fileHash.clear();
    // A list (from Open List or a drop) is not one file: the name box says which file is meant.
    if (state.fileToHash.empty() ||
        state.fileToHash.find(platform::kListSeparator) != std::u16string::npos) {
        const std::u16string shown = desktop.ControlText(MainControl::FileNameBox);
        if (!shown.empty()) {
            state.fileToHash = PathInNameBox(shown, state.nameBoxPath);
        }
    }
    const std::int32_t bits = HasBitSizes(state.method) ? state.bitSize : digest::BitSize::None;
    std::u16string reason;
    const RunEnd end = HashChosenFile(desktop, state, bits, &reason);
    // A code shown beside a name is that name's code: a stopped run, or one that could not
    // compute it, empties the box; only a failure is explained.
    ShowCode(desktop, state, MainControl::FileHashBox, state.fileHash);
    if (end == RunEnd::StoppedToQuit) {
        state.quitRequested = true;
    } else if (end == RunEnd::Finished && state.fileHash.empty()) {
        ShowError(desktop, u"Error",
                  u"File '" + platform::ReadableText(state.fileToHash) + u"' could not be read: " +
                      reason);
    }
}

}  // namespace

void CalculateCommand(Desktop& desktop, AppState& state) {
    state.savedFocus = desktop.FocusedControl();
    desktop.SetFocus(MainControl::TabPanel);
    state.currentTab = desktop.ShownTab();
    ApplyTabState(desktop, state.currentTab);
    if (state.currentTab == TabIndex::Text) {
        CalculateText(desktop, state);
    } else if (state.currentTab == TabIndex::File) {
        CalculateFile(desktop, state);
    }
    desktop.SetFocus(state.savedFocus);
}

}  // namespace hashwell::core
