#include "ui/command_line.h"

#include "platform/platform.h"

namespace hashwell::ui {

namespace {
char kFallbackName[] = "hashwell";
}

CommandLine::CommandLine(int argc, char** argv)
    : parameters_(platform::ProgramParameters(argc, argv)) {
    qtArgv_[0] = argc > 0 && argv[0] != nullptr ? argv[0] : kFallbackName;
}

}  // namespace hashwell::ui
