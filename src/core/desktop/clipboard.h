#pragma once

// The desktop's clipboard, and dragging text out of the program.

#include <string>
#include <string_view>

namespace hashwell::core {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual void ClearClipboard() = 0;
    // Replaces what the clipboard holds by the text.
    virtual void SetClipboardText(std::u16string_view text) = 0;
    // The clipboard's text; empty when it holds none.
    virtual std::u16string ClipboardText() = 0;
    // Starts dragging the text out of the program with the copy action; returns when the drag
    // ends.
    virtual void StartTextDrag(std::u16string_view text) = 0;
};

}  // namespace hashwell::core
