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
        {"--text", "abc", "f"},
        {"--text", "abc", "-c"},
        {"--text"},
        {"--encoding", "utf16le", "f"},
        {"--text", "abc", "--encoding", "latin1"},
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

}  // namespace
}  // namespace hashwell::cli
