#pragma once

// The command-line tool from its parameters to its exit code.

#include <string>
#include <vector>

namespace hashwell::cli {

// Runs hashwell-cli with the parameters (without the program's name); returns the exit code.
int RunCommandLineTool(const std::vector<std::u16string>& parameters);

}  // namespace hashwell::cli
