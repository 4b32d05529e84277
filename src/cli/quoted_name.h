#pragma once

// File names in messages, quoted the way GNU coreutils quotes them, so that a name with spaces,
// quotes or control characters stays readable and unambiguous on the terminal.

#include <string>
#include <string_view>

namespace hashwell::cli {

// The name's bytes as they are when they need no quoting ("a.txt"); in single quotes when they
// hold a space or a character the shell treats specially ('a b'); in double quotes when the only
// such character is an apostrophe ("it's"); with control characters and bytes that are not UTF-8
// written as $'\n' or $'\377' outside the quotes.
std::string QuotedName(std::string_view name);

}  // namespace hashwell::cli
