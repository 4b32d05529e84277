#include "cli/run_program.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/scratch_folder.h"

namespace hashwell::test {
namespace {

// The bytes of `text` as one word of the shell.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder) {
    const ScratchFolder streams;
    std::string command = "cd " + Quoted(folder) + " && timeout -s KILL 60 " + Quoted(program);
    for (const std::string& argument : arguments) {
        command += " " + Quoted(argument);
    }
    command +=
        " < /dev/null > " + Quoted(streams.Child("out")) + " 2> " + Quoted(streams.Child("err"));
    const int status = std::system(command.c_str());
    return {streams.Read("out"), streams.Read("err"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}  // namespace hashwell::test
