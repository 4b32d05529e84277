#pragma once

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

private:
    QWidget* Owner() const;

    const WindowRegistry& windows_;
    Answerer answerer_;
};

}  // namespace hashwell::ui
