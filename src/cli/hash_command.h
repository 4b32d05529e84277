#pragma once

// Printing the codes of files, of standard input or of a text.

#include "cli/console.h"
#include "cli/options.h"

namespace hashwell::cli {

// Hashes the operands (standard input when there are none) and prints their codes in the
// operands' order; the exit code: 0, or 1 when a file was skipped or could not be read.
int HashFiles(const Options& options, Console& console);

// Prints the codes of --text.
int HashText(const Options& options, Console& console);

}  // namespace hashwell::cli
