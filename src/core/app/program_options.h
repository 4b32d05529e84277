#pragma once

// The window's command line, read before any window exists:
//   hashwell [--help | --version] [--verify [FILE]] [--] [PATH...]

#include <functional>
#include <string>
#include <vector>

#include "core/desktop/dialogs.h"
#include "platform/platform.h"

namespace hashwell::core {

struct ProgramOptions {
    enum class Action {
        Run,         // start the window, with the paths
        Help,        // print the usage and end
        Version,     // print the version and end
        UsageError,  // say what was wrong and end with exit code 2
    };
    Action action = Action::Run;
    std::vector<platform::Path> paths;
    bool verify = false;   // the one path is a checksum file to verify; none: choose one
    std::u16string error;  // with UsageError
};

// Reads the parameters. "--" ends the options, so that a file named "--help" can be given; any
// other parameter that begins with "-" is a path when `exists` says such a file or folder is
// there, and a usage error otherwise. On Windows the double quotes of a parameter are the
// command line's own and are removed; on POSIX systems a parameter is taken as it stands.
ProgramOptions ReadProgramOptions(const std::vector<std::u16string>& parameters,
                                  const std::function<bool(const platform::Path&)>& exists);

// Answers --help or --version on standard output, or a usage error on standard error; the exit
// code: 0 for an answer written, 1 when it could not be written, 2 for a usage error.
int AnswerOnTerminal(const ProgramOptions& options);

// The usage error in a message box, for a program started from a desktop without a terminal.
void ShowUsageError(Dialogs& dialogs, const ProgramOptions& options);

}  // namespace hashwell::core
