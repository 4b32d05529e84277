#include "cli/command_line_tool.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    hashwell::platform::PrepareProcess();
    return hashwell::cli::RunCommandLineTool(hashwell::platform::ProgramParameters(argc, argv));
}
