#include "support/fake_desktop.h"

#include <algorithm>

#include "core/ids.h"

namespace hashwell::test {

FakeDesktop::FakeDesktop() {
    controls[core::ControlId::TabPanel].geometry = {10, 70, 575, 340};
    controls[core::ControlId::ProgressBar].geometry = {205, 140, 140, 20};
}

platform::MessageAnswer FakeDesktop::ShowMessageBox(const platform::MessageBoxRequest& box) {
    boxes.push_back(box);
    if (!answers.empty()) {
        const platform::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::No;
}

void FakeDesktop::RunEventLoop(const std::function<bool(const core::Event&)>& handle) {
    while (!queue.empty()) {
        const core::Event event = queue.front();
        queue.pop_front();
        if (event.kind != core::EventKind::MouseMove) {
            lastObjectId = event.objectId;
        }
        if (!handle(event)) {
            return;
        }
    }
}

void FakeDesktop::DrainEvents() {
    ++drains;
    for (const core::Event& event : queue) {
        if (event.kind != core::EventKind::MouseMove) {
            lastObjectId = event.objectId;
        }
    }
    queue.clear();
}

std::vector<platform::Path> FakeDesktop::ShowOpenDialog(const core::OpenDialogRequest& request) {
    dialogs.push_back(request);
    if (dialogAnswers.empty()) {
        return {};
    }
    std::vector<platform::Path> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

void FakeDesktop::SetControlVisible(int id, bool visible) {
    controls[id].visible = visible;
    if (id == core::ControlId::ProgressBar) {
        progressShown.push_back(visible);
    }
}

void FakeDesktop::RemoveGridColumn(int, int index) {
    if (index >= 0 && index < static_cast<int>(gridColumns.size())) {
        gridColumns.erase(gridColumns.begin() + index);
    }
}

void FakeDesktop::InsertGridColumn(int, int index, std::u16string_view title, int width) {
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), gridColumns.size());
    gridColumns.insert(gridColumns.begin() + static_cast<std::ptrdiff_t>(at),
                       {std::u16string(title), width});
}

}  // namespace hashwell::test
