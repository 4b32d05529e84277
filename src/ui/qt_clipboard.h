#pragma once

// The clipboard service of the port, on Qt.

#include "core/desktop/clipboard.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

// The desktop's clipboard (plain Unicode text) and text drags out of the main window.
class QtClipboard : public virtual core::Clipboard {
public:
    explicit QtClipboard(const WindowRegistry& windows) : windows_(windows) {}

    void ClearClipboard() override;
    void SetClipboardText(std::u16string_view text) override;
    std::u16string ClipboardText() override;
    void StartTextDrag(std::u16string_view text) override;

private:
    const WindowRegistry& windows_;
};

}  // namespace hashwell::ui
