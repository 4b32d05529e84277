#pragma once

// The program's one channel for telling the user about a problem: a modal message box with a
// fixed title, a text, one icon and OK (or Yes and No for overwrite questions). Every layer
// may need one; the desktop provides them.

#include <string>
#include <utility>

namespace hashwell::platform {

enum class MessageIcon { Error, Warning, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    std::u16string title;
    std::u16string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const MessageBoxRequest&) const = default;
};

class MessageBoxSink {
public:
    // Shows the box and waits for the user's answer.
    virtual MessageAnswer ShowMessageBox(const MessageBoxRequest& box) = 0;

protected:
    ~MessageBoxSink() = default;
};

// An error box with the single button OK.
inline void ShowError(MessageBoxSink& sink, std::u16string title, std::u16string text) {
    sink.ShowMessageBox(
        {std::move(title), std::move(text), MessageIcon::Error, MessageButtons::Ok});
}

}  // namespace hashwell::platform
