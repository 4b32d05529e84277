#pragma once

// The command line, split between Qt and the program.

#include <string>
#include <vector>

namespace hashwell::ui {

// The command line split between Qt and the program. Qt is given the program's name alone: it
// would take parameters such as "-style" or "-nograb" for its own options and remove them, and
// a file may carry such a name. The program's parameters come from argv as the system gave
// them, so that a name that is not UTF-8 still names its file.
class CommandLine {
public:
    CommandLine(int argc, char** argv);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // What to construct QApplication with; it must outlive the application.
    int& QtArgc() { return qtArgc_; }
    char** QtArgv() { return qtArgv_; }

    const std::vector<std::u16string>& Parameters() const { return parameters_; }

private:
    int qtArgc_ = 1;
    char* qtArgv_[2] = {nullptr, nullptr};
    std::vector<std::u16string> parameters_;
};

}  // namespace hashwell::ui
