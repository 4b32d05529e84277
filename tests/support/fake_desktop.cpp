#include "support/fake_desktop.h"

#include <algorithm>

namespace hashwell::test {
namespace {

// The next answer of a script; nothing when it has run out.
template <class Answer>
std::optional<Answer> Next(std::deque<Answer>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    Answer next = std::move(script.front());
    script.pop_front();
    return next;
}

}  // namespace

FakeDesktop::FakeDesktop() {
    controls[core::MainControl::TabPanel].geometry = {10, 70, 575, 340};
    controls[core::MainControl::ProgressBar].geometry = {205, 140, 140, 20};
}

void FakeDesktop::SetControlVisible(core::ControlRef id, bool visible) {
    controls[id].visible = visible;
    if (id == core::ControlRef(core::MainControl::ProgressBar)) {
        progressShown.push_back(visible);
    }
}

void FakeDesktop::RemoveGridColumn(core::ControlRef, int index) {
    if (index >= 0 && index < static_cast<int>(gridColumns.size())) {
        gridColumns.erase(gridColumns.begin() + index);
    }
}

void FakeDesktop::InsertGridColumn(core::ControlRef, int index, std::u16string_view title,
                                   int width) {
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), gridColumns.size());
    gridColumns.insert(gridColumns.begin() + static_cast<std::ptrdiff_t>(at),
                       {std::u16string(title), width});
}

void FakeDesktop::ShowWindow(core::WindowId windowId) {
    shownWindows.push_back(windowId);
    if (onShowWindow) {
        onShowWindow(windowId);
    }
}

core::MessageAnswer FakeDesktop::ShowMessageBox(const core::MessageBoxRequest& box) {
    boxes.push_back(box);
    return Next(answers).value_or(box.buttons == core::MessageButtons::Ok
                                      ? core::MessageAnswer::Ok
                                      : core::MessageAnswer::No);
}

std::vector<platform::Path> FakeDesktop::ShowOpenDialog(const core::OpenDialogRequest& request) {
    dialogs.push_back(request);
    return Next(dialogAnswers).value_or(std::vector<platform::Path>());
}

std::optional<core::SaveDialogAnswer> FakeDesktop::ShowSaveDialog(
    const core::SaveDialogRequest& request) {
    saveDialogs.push_back(request);
    return Next(saveAnswers);
}

std::optional<platform::Path> FakeDesktop::ShowFolderDialog(std::u16string_view title) {
    folderDialogs.emplace_back(title);
    return Next(folderAnswers);
}

void FakeDesktop::ShowPopupMenu(core::PopupMenu menuId) {
    popupMenus.push_back(menuId);
    if (onPopupMenu) {
        onPopupMenu(menuId);
    }
}

void FakeDesktop::RunEventLoop(const std::function<bool(const core::Event&)>& handle) {
    while (!queue.empty()) {
        const core::Event event = queue.front();
        queue.pop_front();
        if (!handle(event)) {
            return;
        }
    }
}

std::vector<core::Event> FakeDesktop::DrainEvents() {
    ++drains;
    if (beforeDrain) {
        beforeDrain();
    }
    std::vector<core::Event> drained(queue.begin(), queue.end());
    queue.clear();
    return drained;
}

}  // namespace hashwell::test
