#pragma once

// Verifying the files a checksum file lists, the way GNU coreutils' sha256sum -c does: a line
// "name: OK" or "name: FAILED" per file, warnings that sum up the problems on standard error.

#include "cli/console.h"
#include "cli/options.h"

namespace hashwell::cli {

// Checks every checksum file of the operands (standard input when there are none); the exit
// code: 0 when every listed file was read and matched, 1 otherwise.
int CheckFiles(const Options& options, Console& console);

}  // namespace hashwell::cli
