#pragma once

// Runs a program as a child process in a given folder, with nothing on its standard input, and
// collects what it writes and its exit code; a program still running after a minute is killed,
// so that a test that would hang fails instead.

#include <filesystem>
#include <string>
#include <vector>

namespace hashwell::test {

struct ProgramRun {
    std::string out;
    std::string err;
    int exitCode = -1;  // -1 (or, on POSIX, 128 and the signal) when it did not exit by itself
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder);

// hashwell-cli, as built beside the tests.
inline ProgramRun RunCli(const std::vector<std::string>& arguments,
                         const std::filesystem::path& folder) {
    return RunProgram(HASHWELL_CLI_PROGRAM, arguments, folder);
}

}  // namespace hashwell::test
