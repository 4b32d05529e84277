#pragma once

// The dialogs service of the port: message boxes and file dialogs.

#include <functional>

#include "core/desktop/dialogs.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

// Message boxes and the Open dialogs, modal over the program's window in front.
class QtDialogs : public virtual core::Dialogs {
public:
    using Answerer = std::function<core::MessageAnswer(const core::MessageBoxRequest&)>;

    explicit QtDialogs(const WindowRegistry& windows) : windows_(windows) {}

    // Answers message boxes instead of showing them; for tests, which cannot click a modal box.
    void SetMessageBoxAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

    core::MessageAnswer ShowMessageBox(const core::MessageBoxRequest& box) override;
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;
    std::optional<platform::Path> ShowFolderDialog(std::u16string_view title) override;
    std::optional<core::SaveDialogAnswer> ShowSaveDialog(
        const core::SaveDialogRequest& request) override;
    void ShowPopupMenu(core::PopupMenu menu) override;

private:
    QWidget* Owner() const;
    // Runs a file dialog over the owner; a window kept on top lets the dialog above it meanwhile.
    template <class Run>
    auto OverOwner(Run run) const;

    const WindowRegistry& windows_;
    Answerer answerer_;
};

}  // namespace hashwell::ui
