// The program on every system: the command lines it refuses, help and version, and a checksum
// file it writes, with names beyond ASCII and with spaces, verified by it.

#include <gtest/gtest.h>

#include "cli/run_program.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"

namespace hashwell::cli {
namespace {

class CommandLine : public ::testing::Test {
protected:
    test::ProgramRun Cli(const std::vector<std::string>& arguments) {
        return test::RunCli(arguments, folder_.path());
    }
    test::ScratchFolder folder_;
};

TEST_F(CommandLine, WrongOnesGiveTheirUsageMessageAndExitCodeTwo) {
    folder_.Write("f", "abc");
    for (const std::vector<std::string>& row : test::ReadTable("cli/refused_command_lines.txt")) {
        const test::ProgramRun run = Cli({row.begin() + 1, row.end()});
        EXPECT_EQ(run.exitCode, 2) << row[0];
        EXPECT_EQ(run.out, "") << row[0];
        EXPECT_EQ(run.err, row[0] + "\nTry 'hashwell-cli --help' for more information.\n");
    }
}

TEST_F(CommandLine, HelpVersionAndNamesThatLookLikeOptions) {
    const test::ProgramRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--algorithm"), std::string::npos);
    const test::ProgramRun version = Cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("hashwell-cli ")) << version.out;
    folder_.Write("-a", "abc");
    EXPECT_EQ(Cli({"-a", "md5", "--", "-a"}).out, "900150983cd24fb0d6963f7d28e17f72  -a\n");
}

TEST_F(CommandLine, WrittenChecksumFileIsVerifiedAndAChangedFileFails) {
    folder_.Write("caf\xC3\xA9.txt", "abc");
    folder_.Write("two words", "");
    const test::ProgramRun sums = Cli({"caf\xC3\xA9.txt", "two words"});
    EXPECT_EQ(sums.exitCode, 0);
    EXPECT_EQ(sums.out,
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  caf\xC3\xA9.txt\n"
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  two words\n");
    folder_.Write("sums", sums.out);
    EXPECT_EQ(Cli({"-c", "sums"}).out, "caf\xC3\xA9.txt: OK\ntwo words: OK\n");

    folder_.Write("two words", "changed");
    const test::ProgramRun check = Cli({"-c", "sums"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out, "caf\xC3\xA9.txt: OK\ntwo words: FAILED\n");
    EXPECT_EQ(check.err, "hashwell-cli: WARNING: 1 computed checksum did NOT match\n");
}

}  // namespace
}  // namespace hashwell::cli
