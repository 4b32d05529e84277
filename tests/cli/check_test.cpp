// Verifying checksum files with -c: coreutils' files are read, and the results, warnings and
// exit codes are coreutils' own in every case.

#include <algorithm>
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

TEST_F(CliTest, OwnOutputIsReadBackWhateverTheAlgorithms) {
    WriteFiles({{"f", "abc"}, {"g", ""}});
    folder_.Write("all.txt", Cli({"-a", "all", "f", "g"}).out);
    const test::ProgramRun all = Cli({"-c", "--strict", "all.txt"});
    EXPECT_EQ(all.exitCode, 0) << all.out << all.err;
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 22);
    // One algorithm writes untagged lines, as its peer does: a SHA-3 file is read back by its
    // name, or by -a; otherwise its codes are taken for SHA-2's.
    const std::string sha3 = Cli({"-a", "sha3-256", "f"}).out;
    for (const std::string name : {"SHA3-256SUMS", "f.sha3-256", "f.SHA3", "sha3sums"}) {
        folder_.Write(name, sha3);
        EXPECT_EQ(Cli({"-c", name}).out, "f: OK\n") << name;
    }
    folder_.Write("sums", sha3);
    EXPECT_EQ(Cli({"-c", "sums"}).out, "f: FAILED\n");
    EXPECT_EQ(Cli({"--untagged", "-a", "md5,sha1", "f"}).out,
              Coreutils("md5sum", {"f"}).out + Coreutils("sha1sum", {"f"}).out);
}

TEST_F(CliTest, FormOfAChecksumFileIsDecidedByItsFirstLine) {
    // As coreutils' tests/misc/md5sum-bsd.sh: the names of md5sum's lines with the two spaces
    // made one ("md5 -r"), where a leading space or star belongs to the name.
    const std::vector<std::string> names =
        WriteFiles({{"a", "1"}, {" b", "2"}, {"*c", "3"}, {"dd", "4"}, {" ", "5"}});
    std::string reversed = Coreutils("md5sum", names).out;
    for (std::size_t line = 0; line < reversed.size(); line = reversed.find('\n', line) + 1) {
        reversed.erase(line + 32, 1);
    }
    const std::string gnu = Coreutils("md5sum", {"dd"}).out;
    for (const std::string& sums : {reversed, gnu + reversed, reversed + gnu}) {
        folder_.Write("sums", sums);
        const test::ProgramRun ours = Cli({"--strict", "-c", "sums"});
        const test::ProgramRun theirs = Coreutils("md5sum", {"--strict", "-c", "sums"});
        EXPECT_EQ(ours.out, theirs.out) << sums;
        EXPECT_EQ(ours.err, theirs.err) << sums;
        EXPECT_EQ(ours.exitCode, theirs.exitCode) << sums;
    }
}

TEST_F(CliTest, LastOfQuietStatusAndWarnWinsAsInCoreutils) {
    WriteFiles({{"good", "abc"}, {"changed", "abc"}});
    std::string sums = Coreutils("sha256sum", {"good", "changed"}).out;
    sums += "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  missing\njunk\n";
    folder_.Write("sums", sums);
    folder_.Write("changed", "abd");
    const std::vector<std::vector<std::string>> orders = {
        {"--status", "--warn"}, {"--warn", "--status"},  {"--quiet", "--warn"},
        {"--warn", "--quiet"},  {"--status", "--quiet"}, {"--quiet", "--status"},
    };
    for (const std::vector<std::string>& order : orders) {
        const std::vector<std::string> arguments = Joined({"-c", "-a", "sha256"}, order);
        const test::ProgramRun ours = Cli(Joined(arguments, {"sums"}));
        const test::ProgramRun theirs =
            Coreutils("sha256sum", Joined({"-c"}, Joined(order, {"sums"})));
        EXPECT_EQ(ours.out, theirs.out) << order[0] << order[1];
        EXPECT_EQ(ours.err, theirs.err) << order[0] << order[1];
    }
}

TEST_F(CliTest, RhashBsdLinesWithPaddedTagsAreRead) {
    WriteFiles({{"f", "abc"}});
    const test::ProgramRun rhash = test::RunProgram(
        "rhash", {"--bsd", "--crc32", "--md5", "--sha1", "--sha3-256", "f"}, folder_.path());
    ASSERT_EQ(rhash.exitCode, 0) << "rhash (Debian package rhash) is needed: " << rhash.err;
    ASSERT_NE(rhash.out.find("MD5   (f)"), std::string::npos) << rhash.out;
    folder_.Write("sums", rhash.out);
    EXPECT_EQ(Cli({"-c", "--strict", "sums"}).out, "f: OK\nf: OK\nf: OK\nf: OK\n");
}

TEST_F(CliTest, WarningsComeInTheFilesOrderAndNameTheAlgorithm) {
    WriteFiles({{"f", "abc"}});
    const std::string line = Coreutils("sha256sum", {"f"}).out;
    std::string sums = "junk\n";
    for (int i = 0; i < 1500; ++i) {  // past the first batch of lines
        sums += i % 700 == 5 ? "junk\n" : line;
    }
    folder_.Write("sums", sums);
    const test::ProgramRun ours = Shell("cli -c -a sha256 --warn sums 2>&1");
    test::ProgramRun theirs = Shell("sha256sum -c --warn sums 2>&1");
    for (std::size_t at; (at = theirs.out.find("sha256sum: ")) != std::string::npos;) {
        theirs.out.replace(at, 11, "hashwell-cli: ");
    }
    EXPECT_EQ(ours.out, theirs.out);
    // Without -a, a warning names the algorithm of the last good line before it.
    folder_.Write("mixed", "junk\n" + Coreutils("md5sum", {"f"}).out + "junk\n");
    EXPECT_EQ(Cli({"-c", "--warn", "mixed"}).err,
              "hashwell-cli: mixed: 1: improperly formatted checksum line\n"
              "hashwell-cli: mixed: 3: improperly formatted MD5 checksum line\n"
              "hashwell-cli: WARNING: 2 lines are improperly formatted\n");
}

}  // namespace
}  // namespace hashwell::cli
