// The command line: what is refused with a usage message and exit code 2, and what is not.

#include "cli/cli_fixture.h"

namespace hashwell::cli {
namespace {

TEST_F(CliTest, WrongCommandLinesGiveAUsageMessageAndExitCodeTwo) {
    WriteFiles({{"f", "abc"}});
    const std::vector<std::vector<std::string>> wrong = {
        {"--bogus", "f"},
        {"-a", "sha2", "f"},
        {"-j", "0", "f"},
        {"-j", "many", "f"},
        {"--format", "xml", "f"},
        {"--format", "sfv", "f"},
        {"--format", "sfv", "-a", "crc32,md5", "f"},
        {"--status", "f"},
        {"--quiet", "f"},
        {"--ignore-missing", "f"},
        {"-c", "--format", "bsd", "f"},
        {"-c", "-r", "f"},
        {"-m", "abc", "f"},
        {"--message", "abc", "-c"},
        {"-m"},
        {"--encoding", "utf16le", "f"},
        {"-m", "abc", "--encoding", "latin1"},
        {"-z", "--format", "csv", "f"},
        {"-L", "f"},
    };
    for (const std::vector<std::string>& arguments : wrong) {
        const test::ProgramRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments[0] << " " << arguments.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.starts_with("hashwell-cli: ")) << run.err;
        EXPECT_TRUE(run.err.ends_with("Try 'hashwell-cli --help' for more information.\n"));
    }
}

TEST_F(CliTest, HelpVersionAndNamesThatLookLikeOptions) {
    const test::ProgramRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--algorithm"), std::string::npos);
    const test::ProgramRun version = Cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("hashwell-cli ")) << version.out;
    WriteFiles({{"-a", "abc"}});
    const test::ProgramRun dashed = Cli({"-a", "md5", "--", "-a"});
    EXPECT_EQ(dashed.out, "900150983cd24fb0d6963f7d28e17f72  -a\n");
}

#ifndef _WIN32
TEST_F(CliTest, CoreutilsModeOptionsWorkAndAreRefusedAsThere) {
    WriteFiles({{"f", "abc"}, {"new\nline", "x"}});
    // -t is coreutils' text mode, not a text to hash; -b marks names with a star; -z ends lines
    // with NUL and leaves names unescaped.
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{"--text"},
                                               {"-t"},
                                               {"-b"},
                                               {"--tag"},
                                               {"-z"},
                                               {"-z", "--tag"},
                                               {"-t", "--tag"},
                                               {"-b", "-z"}}) {
        const test::ProgramRun ours = Cli(Joined(options, {"f", "new\nline"}));
        EXPECT_EQ(ours.out, Coreutils("sha256sum", Joined(options, {"f", "new\nline"})).out)
            << options[0];
        EXPECT_EQ(ours.exitCode, 0);
    }
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{"-c", "-b"},
                                               {"-c", "-t"},
                                               {"-c", "-z"},
                                               {"-c", "--tag"},
                                               {"--tag", "-t"},
                                               {"-c", "--tag", "-t"}}) {
        const test::ProgramRun ours = Cli(Joined(options, {"f"}));
        const test::ProgramRun theirs = Coreutils("sha256sum", Joined(options, {"f"}));
        EXPECT_EQ(ours.err, theirs.err) << options[0] << options[1];
        EXPECT_EQ(ours.exitCode, 2);  // coreutils says 1
    }
}

TEST_F(CliTest, HelpAndVersionReportAFullOutput) {
    for (const std::string option : {"--help", "--version"}) {
        const test::ProgramRun run = Shell("cli " + option + " > /dev/full");
        EXPECT_EQ(run.exitCode, 1) << option;
        EXPECT_EQ(run.err, "hashwell-cli: write error: No space left on device\n");
    }
}
#endif

}  // namespace
}  // namespace hashwell::cli
