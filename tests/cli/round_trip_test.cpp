// The program on every system: a checksum file it writes is verified by it, names beyond ASCII
// and with spaces included, and a changed file is found.

#include "cli/cli_fixture.h"

namespace hashwell::cli {
namespace {

TEST_F(CliTest, WrittenChecksumFileIsVerifiedAndAChangedFileFails) {
    const std::vector<std::string> names =
        WriteFiles({{"caf\xC3\xA9.txt", "abc"}, {"two words", ""}});
    const test::ProgramRun sums = Cli(names);
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
