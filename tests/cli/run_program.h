#pragma once

// Runs a program as a child process with given standard input, in a given folder, and collects
// what it writes and its exit code; a program still running after a minute is killed, so a test
// that would hang fails instead.

#include <filesystem>
#include <string>
#include <vector>

namespace hashwell::test {

struct ProgramRun {
    std::string out;
    std::string err;
    int exitCode = -1;  // -1 when it did not exit by itself
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder, const std::string& input = {});

// hashwell-cli, as built beside the tests.
ProgramRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                  const std::string& input = {});

#ifndef _WIN32
// What a coreutils tool (sha256sum, md5sum) prints, with its name replaced by hashwell-cli's so
// that the two can be compared.
ProgramRun RunCoreutils(const std::string& tool, const std::vector<std::string>& arguments,
                        const std::filesystem::path& folder, const std::string& input = {});
#endif

}  // namespace hashwell::test
