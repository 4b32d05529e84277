// The program as scripts use it, side by side with coreutils' sha256sum and md5sum: transcripts
// of commands and what each must print, in tests/data/cli/*.t (each says how it is read).

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <sstream>

#include "cli/run_program.h"
#include "support/scratch_folder.h"
#include "support/vector_file.h"

namespace hashwell::cli {
namespace {

// One command of a transcript and what it must do.
struct Step {
    int line = 0;
    std::string command;
    std::string like;  // a command that must print the same and end with the same code
    std::string out;
    std::string err;
    std::optional<int> exitCode;
};

std::vector<Step> ReadTranscript(const std::string& name) {
    std::istringstream text(test::ReadTestData("cli/" + name));
    std::vector<Step> steps;
    int number = 0;
    for (std::string line; std::getline(text, line);) {
        ++number;
        if (line.starts_with("$ ")) {
            steps.push_back({number, line.substr(2), "", "", "", std::nullopt});
        } else if (line.starts_with("= ")) {
            steps.back().like = line.substr(2);
        } else if (line.starts_with("? ")) {
            steps.back().exitCode = std::stoi(line.substr(2));
        } else if (line.starts_with("2> ")) {
            steps.back().err += line.substr(3) + '\n';
        } else if (!line.empty() && !line.starts_with('#')) {
            steps.back().out += line + '\n';
        }
    }
    return steps;
}

// Runs the commands one after the other in one scratch folder.
void RunTranscript(const std::string& name) {
    const test::ScratchFolder folder;
    const auto bash = [&](const std::string& command) {
        return test::RunProgram(
            "bash",
            {"-o", "pipefail", "-c", "cli() { \"$0\" \"$@\"; }; " + command, HASHWELL_CLI_PROGRAM},
            folder.path());
    };
    // What coreutils' tools say in their own name, hashwell-cli says in its own.
    const std::regex tool("(md5|sha\\d+)sum(: | --help)");
    for (const Step& step : ReadTranscript(name)) {
        test::ProgramRun expected{step.out, step.err, 0};
        if (!step.like.empty()) {
            expected = bash(step.like);
            expected.out = std::regex_replace(expected.out, tool, "hashwell-cli$2");
            expected.err = std::regex_replace(expected.err, tool, "hashwell-cli$2");
        }
        expected.exitCode = step.exitCode.value_or(expected.exitCode);
        const test::ProgramRun run = bash(step.command);
        const std::string where = name + ":" + std::to_string(step.line) + ": " + step.command;
        EXPECT_EQ(run.out, expected.out) << where;
        EXPECT_EQ(run.err, expected.err) << where;
        EXPECT_EQ(run.exitCode, expected.exitCode) << where;
    }
}

TEST(Transcript, HashLinesDifferFromCoreutilsOrLoseTheArgumentOrderOrTheWalksOrder) {
    RunTranscript("hash.t");
}

TEST(Transcript, ChecksumFilesAreCheckedOtherwiseThanCoreutilsOrTheirOwnFormsSay) {
    RunTranscript("check.t");
}

TEST(Transcript, TextsAreHashedWrongInSomeEncodingOrBytesNotRefused) {
    RunTranscript("texts.t");
}

TEST(Transcript, OptionsAreTakenOrRefusedOtherwiseThanCoreutilsDoes) {
    RunTranscript("options.t");
}

TEST(Transcript, LinesOfTheAlgorithmsCoreutilsLacksAreNotTheirReferenceToolsOwn) {
    RunTranscript("peers.t");
}

}  // namespace
}  // namespace hashwell::cli
