#pragma once

#include <string>
#include <vector>

#include "core/desktop/clipboard.h"

namespace hashwell::test {

// The clipboard as a text a test can set and read, and the texts dragged out, in order.
class FakeClipboard : public virtual core::Clipboard {
public:
    void ClearClipboard() override { clipboard.clear(); }
    void SetClipboardText(std::u16string_view text) override { clipboard = std::u16string(text); }
    std::u16string ClipboardText() override { return clipboard; }
    void StartTextDrag(std::u16string_view text) override { drags.emplace_back(text); }

    std::u16string clipboard;
    std::vector<std::u16string> drags;
};

}  // namespace hashwell::test
