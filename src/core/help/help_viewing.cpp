#include "core/help/help_viewing.h"

#include <vector>

#include "core/shared/message_boxes.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

using platform::kPathSeparator;
using platform::Path;

Path WithSeparator(Path folder) {
    if (folder.empty() || folder.back() != kPathSeparator) {
        folder += kPathSeparator;
    }
    return folder;
}

bool IsHelpFile(const Path& path) {
    return platform::RegularFileSize(path).value_or(0) > 0;
}

std::optional<Path> FirstHelpFile(const std::vector<Path>& candidates) {
    for (const Path& candidate : candidates) {
        if (IsHelpFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Path> FindHelpFile(const Path& currentDirectory, const Path& programPath) {
    const Path current =
        currentDirectory.empty() ? Path(u".") + kPathSeparator : WithSeparator(currentDirectory);
    const Path name(kHelpFileName);
    std::vector<Path> candidates{current + u"Help" + kPathSeparator + name, current + name};
    for (const Path& folder : platform::ProgramDataFolders(programPath)) {
        candidates.push_back(folder + name);
    }
    return FirstHelpFile(candidates);
}

void ShowHelp(Desktop& desktop, const AppState& state, std::u16string_view topic) {
    if (topic.empty()) {
        ShowError(desktop, u"Help Error", u"Cannot display help. Help topic missing!");
        return;
    }
    const std::optional<Path> file = FindHelpFile(platform::CurrentDirectory(), state.programPath);
    if (!file) {
        ShowError(desktop, u"Help Error", u"Unable to locate Help file!");
        return;
    }
    const std::u16string shown = platform::ReadableText(*file);
    switch (desktop.ShowHelp(*file, topic)) {
        case HelpOutcome::Shown:
            break;
        case HelpOutcome::Damaged:
            ShowError(desktop, u"Help Error", u"The help file '" + shown + u"' is damaged!");
            break;
        case HelpOutcome::Unreadable:
            ShowError(desktop, u"Help Error", u"Unable to read Help file '" + shown + u"'!");
            break;
    }
}

}  // namespace hashwell::core
