#pragma once

// How a code is shown: the case preference applied.

#include <string>
#include <string_view>

namespace hashwell::core {

// A code as a box or the grid shows it: in upper case when the case preference is exactly
// "UPPER", otherwise as the engine made it, in lower case.
std::u16string DisplayCode(std::string_view code, std::u16string_view caseText);

}  // namespace hashwell::core
