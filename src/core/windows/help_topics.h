#pragma once

// The help page each command sets, as its window's table or the menu's gives it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/event.h"

namespace hashwell::core {

// The help file's start page.
inline constexpr std::u16string_view kHelpIndex = u"index.html";

// The page that a menu event or a control event sets as the one F1 opens, before it does
// anything else; nothing for those that leave the page as it is (Copy Hash, the file name box,
// the context-menu items, drops).
std::optional<std::u16string> HelpTopicOf(const Event& event);

// Every page the program can ask the help file for: the start page and each command's page.
std::vector<std::u16string> AllHelpPages();

}  // namespace hashwell::core
