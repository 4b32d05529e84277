#pragma once

// A scratch folder to run hashwell-cli in, with files written into it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_program.h"
#include "support/scratch_folder.h"

namespace hashwell::cli {

class CliTest : public ::testing::Test {
protected:
    // Writes the files (name, bytes) and returns their names in order.
    std::vector<std::string> WriteFiles(
        const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files) {
            folder_.Write(name, bytes);
            names.push_back(name);
        }
        return names;
    }
    test::ProgramRun Cli(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return test::RunCli(arguments, folder_.path(), input);
    }
#ifndef _WIN32
    // A bash script run in the folder, where `cli` runs hashwell-cli: for pipes, process
    // substitution and both streams in one.
    test::ProgramRun Shell(const std::string& script) {
        return test::RunProgram("bash",
                                {"-c", "cli() { \"$0\" \"$@\"; }; " + script, HASHWELL_CLI_PROGRAM},
                                folder_.path());
    }
    test::ProgramRun Coreutils(const std::string& tool, const std::vector<std::string>& arguments,
                               const std::string& input = {}) {
        return test::RunCoreutils(tool, arguments, folder_.path(), input);
    }
#endif
    static std::vector<std::string> Joined(std::vector<std::string> first,
                                           const std::vector<std::string>& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    test::ScratchFolder folder_;
};

// Names that need care: spaces, a backslash, line breaks, bytes that are not UTF-8, a leading
// space and a leading star (which a gnu line could take for its binary mark).
inline const std::vector<std::pair<std::string, std::string>> kOddlyNamedFiles = {
    {"plain.txt", "abc"},
    {"with space", "x"},
    {"back\\slash", "y"},
    {"line\nfeed", "z"},
    {"carriage\rreturn", "q"},
    {"bytes \xff\xfe", std::string(5 * 1024 * 1024, 'b')},  // read by two workers
    {" lead", ""},
    {"*star", "s"},
};

}  // namespace hashwell::cli
