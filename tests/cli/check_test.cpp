// Verifying checksum files with -c: coreutils' files are read, and the results, warnings and
// exit codes are coreutils' own in every case.

#include <sstream>

#include "cli/cli_fixture.h"

namespace hashwell::cli {
namespace {

TEST_F(CliTest, CoreutilsChecksumFilesOfEveryFormAreVerified) {
    const std::vector<std::string> names = WriteFiles(kOddlyNamedFiles);
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, {"--tag"}, {"--binary"}}) {
        folder_.Write("sums", Coreutils("sha256sum", Joined(options, names)).out);
        const test::ProgramRun ours = Cli({"-c", "sums"});
        EXPECT_EQ(ours.exitCode, 0) << ours.err;
        EXPECT_EQ(ours.out, Coreutils("sha256sum", {"-c", "sums"}).out);
    }
}

TEST_F(CliTest, ResultsWarningsAndExitCodesAreCoreutilsOwn) {
    WriteFiles({{"good", "abc"}, {"changed", "abc"}, {"also good", "x"}});
    const std::string sums = Coreutils("sha256sum", {"good", "changed", "also good"}).out;
    folder_.Write("changed", "abd");
    const std::string missing =
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  missing\n";
    const std::string malformed = "not a checksum line\n" + std::string(100 * 1024, 'f') + "\n";
    const struct {
        std::string content;
        std::vector<std::string> options;
    } cases[] = {
        {sums, {}},
        {sums + missing + malformed + "# a comment\n\n", {}},
        {sums + missing + malformed, {"--quiet"}},
        {sums + missing + malformed, {"--status"}},
        {sums + missing + malformed, {"--strict"}},
        {sums + malformed, {"--strict"}},
        {sums + missing, {"--ignore-missing"}},
        {missing, {"--ignore-missing"}},
        {malformed, {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        folder_.Write("sums", c.content);
        const test::ProgramRun ours = Cli(Joined({"-c"}, Joined(c.options, {"sums"})));
        const test::ProgramRun theirs =
            Coreutils("sha256sum", Joined({"-c"}, Joined(c.options, {"sums"})));
        const std::string label = c.options.empty() ? "(none)" : c.options[0];
        EXPECT_EQ(ours.out, theirs.out) << label;
        EXPECT_EQ(ours.err, theirs.err) << label;
        EXPECT_EQ(ours.exitCode, theirs.exitCode) << label;
    }
    // From standard input, and a checksum file that cannot be opened.
    EXPECT_EQ(Cli({"-c"}, sums).out, Coreutils("sha256sum", {"-c"}, sums).out);
    const test::ProgramRun none = Cli({"-c", "no-such-file"});
    EXPECT_EQ(none.err, "hashwell-cli: no-such-file: No such file or directory\n");
    EXPECT_EQ(none.exitCode, 1);
}

TEST_F(CliTest, EachLineIsCheckedWithTheAlgorithmItsLengthOrTagTells) {
    WriteFiles({{"f", "abc"}});
    const std::string mixed =
        "352441c2  f\n"
        "900150983cd24fb0d6963f7d28e17f72  f\n"
        "a9993e364706816aba3e25717850c26c9cd0d89d *f\n"
        "SHA3-256 (f) = 3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532\n"
        "f 352441C2\n";
    folder_.Write("mixed", mixed);
    EXPECT_EQ(Cli({"-c", "mixed"}).out, "f: OK\nf: OK\nf: OK\nf: OK\nf: OK\n");
    // A SHA3-256 code in the gnu form is taken for SHA-256's unless -a says otherwise.
    folder_.Write("sha3", "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532  f\n");
    EXPECT_EQ(Cli({"-c", "sha3"}).out, "f: FAILED\n");
    EXPECT_EQ(Cli({"-c", "-a", "sha3-256", "sha3"}).out, "f: OK\n");
    // -a keeps out the lines of other algorithms.
    const test::ProgramRun md5Only = Cli({"-c", "-a", "md5", "--strict", "mixed"});
    EXPECT_EQ(md5Only.out, "f: OK\n");
    EXPECT_EQ(md5Only.exitCode, 1);
}

TEST_F(CliTest, ManyListedFilesAreVerifiedInTheirOrder) {
    std::vector<std::string> names;
    for (int i = 0; i < 1500; ++i) {  // more than one batch
        names.push_back("n" + std::to_string(i));
        folder_.Write(names.back(), std::string(static_cast<std::size_t>(i % 50) * 100, 'v'));
    }
    folder_.Write("sums", Coreutils("md5sum", names).out);
    const test::ProgramRun run = Cli({"-c", "-j", "3", "sums"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, Coreutils("md5sum", {"-c", "sums"}).out);
}

}  // namespace
}  // namespace hashwell::cli
