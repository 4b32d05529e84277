#include "core/main_window/calculate.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "checksums/checksum_line.h"
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
#include "platform/path_parts.h"
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

// Reads `path` once for all of `algorithms`, on the workers while the File tab's bar moves;
// Escape or the close box stop it, leaving no code. The codes in the order asked for, all empty
// when the file cannot be read (`reason` says why).
RunEnd HashOnFileTab(Desktop& desktop, EventRecord& events, const platform::Path& path,
                     std::vector<digest::AlgorithmId> algorithms, digest::Codes& codes,
                     std::u16string* reason) {
    digest::ListHasher hasher({{path, std::move(algorithms)}}, kWorkers);
    desktop.SetProgress(MainControl::FileProgressBar, 0);
    desktop.SetControlVisible(MainControl::FileProgressBar, true);
    const RunEnd end = WaitForRun(desktop, events, hasher, MainControl::FileProgressBar);
    desktop.SetControlVisible(MainControl::FileProgressBar, false);
    if (end == RunEnd::Finished) {
        codes = hasher.CodesOf(0);
        *reason = hasher.FailureOf(0);
    }
    return end;
}

// The chosen file's code into state.fileHash.
RunEnd HashChosenFile(Desktop& desktop, AppState& state, std::int32_t bits,
                      std::u16string* reason) {
    const digest::Algorithm* algorithm = digest::FindAlgorithm(state.method, bits);
    if (algorithm == nullptr) {  // no such method or size: the engine says why
        state.fileHash = digest::HashFile(state.fileToHash, state.method, bits, reason);
        return RunEnd::Finished;
    }
    digest::Codes codes;
    const RunEnd end =
        HashOnFileTab(desktop, state.events, state.fileToHash, {algorithm->id}, codes, reason);
    if (end == RunEnd::Finished) {
        state.fileHash = codes.front();
    }
    return end;
}

// A list (from Open List or a drop) is not one file: the name box says which file is meant.
void SettleFileToHash(Desktop& desktop, AppState& state) {
    if (state.fileToHash.empty() ||
        state.fileToHash.find(platform::kListSeparator) != std::u16string::npos) {
        const std::u16string shown = desktop.ControlText(MainControl::FileNameBox);
        if (!shown.empty()) {
            state.fileToHash = PathInNameBox(shown, state.nameBoxPath);
        }
    }
}

void ShowReadError(Desktop& desktop, const platform::Path& path, const std::u16string& reason) {
    ShowError(desktop, u"Error",
              u"File '" + platform::ReadableText(path) + u"' could not be read: " + reason);
}

void CalculateFile(Desktop& desktop, AppState& state) {
    if (TrimSpaces(desktop.ControlText(MainControl::FileNameBox)).empty()) {
        return;
    }
    EnsureBitSize(desktop, state);
    state.fileHash.clear();
    SettleFileToHash(desktop, state);
    const std::int32_t bits = HasBitSizes(state.method) ? state.bitSize : digest::BitSize::None;
    std::u16string reason;
    const RunEnd end = HashChosenFile(desktop, state, bits, &reason);
    // A code shown beside a name is that name's code: a stopped run, or one that could not
    // compute it, empties the box; only a failure is explained.
    ShowCode(desktop, state, MainControl::FileHashBox, state.fileHash);
    if (end == RunEnd::StoppedToQuit) {
        state.quitRequested = true;
    } else if (end == RunEnd::Finished && state.fileHash.empty()) {
        ShowReadError(desktop, state.fileToHash, reason);
    }
}

// What the clipboard asks to compare: a code, and the name its line gives, if any.
struct ClipboardCode {
    std::string hex;  // lowercase
    std::optional<std::string> name;
};

bool IsHex(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

// A bare code in either case, or one GNU or BSD checksum line; spaces around do not count.
std::optional<ClipboardCode> CodeOnClipboard(std::u16string_view clipboard) {
    const auto blank = [](char16_t c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
    };
    while (!clipboard.empty() && blank(clipboard.front())) {
        clipboard.remove_prefix(1);
    }
    while (!clipboard.empty() && blank(clipboard.back())) {
        clipboard.remove_suffix(1);
    }
    const std::string text = platform::Utf16ToUtf8(clipboard);
    if (IsHex(text)) {
        std::string hex = text;
        std::ranges::transform(hex, hex.begin(), [](char c) {
            return c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        return ClipboardCode{hex, std::nullopt};
    }
    checksums::ChecksumLineParser parser({});
    const checksums::ParsedLine line = parser.Parse(text);
    if (line.kind != checksums::LineKind::Code) {
        return std::nullopt;
    }
    return ClipboardCode{line.code->hex, line.code->name};
}

// The methods that could have made a code of `length` hex digits: the chosen one first (when
// its codes have that length), then the others in the catalogue's order.
std::vector<digest::AlgorithmId> Candidates(const digest::Algorithm* chosen, std::size_t length) {
    std::vector<digest::AlgorithmId> candidates;
    if (chosen != nullptr && chosen->hexLength == length) {
        candidates.push_back(chosen->id);
    }
    for (const digest::Algorithm& algorithm : digest::Algorithms()) {
        if (algorithm.hexLength == length && (chosen == nullptr || algorithm.id != chosen->id)) {
            candidates.push_back(algorithm.id);
        }
    }
    return candidates;
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

void CompareWithClipboardCommand(Desktop& desktop, AppState& state) {
    state.currentTab = desktop.ShownTab();
    const bool fileTab = state.currentTab == TabIndex::File;
    if (!fileTab && state.currentTab != TabIndex::Text) {
        return;
    }
    std::optional<ClipboardCode> expected = CodeOnClipboard(desktop.ClipboardText());
    if (fileTab) {
        SettleFileToHash(desktop, state);
    }
    const platform::Path file = fileTab ? state.fileToHash : platform::Path();
    // A line's name must be the file's: its base name or its full path.
    if (expected && expected->name && fileTab) {
        const platform::Path named = platform::DecodeNativeBytes(*expected->name);
        if (named != file && named != platform::NamePart(file)) {
            expected.reset();
        }
    }
    if (!expected) {
        ShowWarning(desktop, u"Nothing to Compare", u"The clipboard holds no hash code!");
        return;
    }
    if (fileTab && TrimSpaces(file).empty()) {
        return;  // no file chosen: nothing to hash
    }
    EnsureBitSize(desktop, state);
    const std::int32_t bits = HasBitSizes(state.method) ? state.bitSize : digest::BitSize::Bits256;
    const digest::Algorithm* chosen = digest::FindAlgorithm(state.method, bits);
    std::vector<digest::AlgorithmId> algorithms = Candidates(chosen, expected->hex.size());
    // The chosen method's code is shown when none matches, whatever its length.
    if (chosen != nullptr && std::ranges::find(algorithms, chosen->id) == algorithms.end()) {
        algorithms.push_back(chosen->id);
    }
    digest::Codes codes;
    if (fileTab) {
        std::u16string reason;
        const RunEnd end = HashOnFileTab(desktop, state.events, file, algorithms, codes, &reason);
        if (end == RunEnd::StoppedToQuit) {
            state.quitRequested = true;
        }
        if (end != RunEnd::Finished) {
            return;
        }
        if (!codes.empty() && codes.front().empty()) {
            ShowReadError(desktop, file, reason);
            return;
        }
    } else {
        const std::u16string text = desktop.ControlText(MainControl::TextInput);
        for (const digest::AlgorithmId id : algorithms) {
            const digest::Algorithm& algorithm = digest::AlgorithmOf(id);
            codes.push_back(
                digest::HashText(text, algorithm.method, algorithm.bits, state.settings.Format));
        }
    }
    const std::u16string what =
        fileTab ? u"'" + platform::ReadableText(platform::NamePart(file)) + u"'" : u"the text";
    const MainControl codeBox = fileTab ? MainControl::FileHashBox : MainControl::TextHashBox;
    for (std::size_t i = 0; i < algorithms.size(); ++i) {
        if (codes[i] == expected->hex) {
            (fileTab ? state.fileHash : state.textHash) = codes[i];
            ShowCode(desktop, state, codeBox, codes[i]);
            ShowInformation(desktop, u"Codes Match",
                            u"The " + std::u16string(digest::AlgorithmOf(algorithms[i]).title) +
                                u" code of " + what + u" matches the clipboard.");
            return;
        }
    }
    std::u16string text = u"No method gives the clipboard's code for " + what + u".\n\n" +
                          u"Expected: " + DisplayCode(expected->hex, state.settings.Case);
    if (chosen != nullptr) {
        const auto at = std::ranges::find(algorithms, chosen->id) - algorithms.begin();
        text += u"\n" + std::u16string(chosen->title) + u": " +
                DisplayCode(codes[static_cast<std::size_t>(at)], state.settings.Case);
    }
    ShowWarning(desktop, u"Codes Differ", text);
}

}  // namespace hashwell::core
