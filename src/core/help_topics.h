#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hashwell::core {

// The help file's start page.
inline constexpr std::u16string_view kHelpIndex = u"index.html";

// The page that a menu item or control sets as the one F1 opens, before it does anything
// else; nothing for those that leave the page as it is (Copy Hash, the file name box, the
// context-menu items, drops).
std::optional<std::u16string> HelpTopicOf(int objectId);

}  // namespace hashwell::core
