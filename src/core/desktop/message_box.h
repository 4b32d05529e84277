#pragma once

// A modal message box: the program's one way of telling the user about a problem. It has a
// fixed title, a text, one icon and OK, or Yes and No for a question.

#include <string>

namespace hashwell::core {

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

}  // namespace hashwell::core
