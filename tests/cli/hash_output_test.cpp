// What hashwell-cli prints for files: coreutils' own lines, the argument order under parallel
// jobs, the recursive walk, what is skipped, standard input, SFV and the text encodings.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/cli_fixture.h"
#include "support/vector_file.h"

namespace hashwell::cli {
namespace {

namespace fs = std::filesystem;

TEST_F(CliTest, GnuAndBsdLinesAreCoreutilsOwnAndItsCheckAcceptsThem) {
    const std::vector<std::string> names = WriteFiles(kOddlyNamedFiles);
    const struct {
        std::vector<std::string> ours;
        std::string tool;
        std::vector<std::string> theirs;
    } cases[] = {
        {{}, "sha256sum", {}},
        {{"-a", "md5"}, "md5sum", {}},
        {{"-a", "sha512"}, "sha512sum", {}},
        {{"--format", "bsd"}, "sha256sum", {"--tag"}},
        {{"-a", "sha1", "--format", "bsd"}, "sha1sum", {"--tag"}},
    };
    for (const auto& c : cases) {
        const test::ProgramRun ours = Cli(Joined(c.ours, names));
        const test::ProgramRun theirs = Coreutils(c.tool, Joined(c.theirs, names));
        EXPECT_EQ(ours.exitCode, 0) << ours.err;
        EXPECT_EQ(ours.out, theirs.out) << c.tool;
        // And coreutils reads ours back.
        folder_.Write("sums", ours.out);
        const test::ProgramRun check = Coreutils(c.tool, {"-c", "--strict", "sums"});
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    }
}

TEST_F(CliTest, SeveralAlgorithmsGiveOneLinePerFileAndAlgorithmInTheOrderNamed) {
    WriteFiles({{"a", "abc"}, {"b", ""}});
    const test::ProgramRun run = Cli({"-a", "sha1,md5,sha1", "--upper", "a", "b"});
    EXPECT_EQ(run.out,
              "SHA1 (a) = A9993E364706816ABA3E25717850C26C9CD0D89D\n"
              "MD5 (a) = 900150983CD24FB0D6963F7D28E17F72\n"
              "SHA1 (b) = DA39A3EE5E6B4B0D3255BFEF95601890AFD80709\n"
              "MD5 (b) = D41D8CD98F00B204E9800998ECF8427E\n");
    const test::ProgramRun all = Cli({"-a", "all", "a"});
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 11);
}

TEST_F(CliTest, OutputKeepsTheArgumentOrderWhateverTheJobs) {
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) {
        // Large files early, so that later small ones finish first on other workers.
        const std::size_t size = i % 7 == 0 ? 6 * 1024 * 1024 : static_cast<std::size_t>(i) * 100;
        names.push_back("f" + std::to_string(i));
        folder_.Write(names.back(), std::string(size, static_cast<char>('a' + i % 26)));
    }
    const test::ProgramRun serial =
        Cli(Joined({"-j", "1", "-a", "md5,sha256", "--untagged"}, names));
    const test::ProgramRun parallel =
        Cli(Joined({"-j", "4", "-a", "md5,sha256", "--untagged"}, names));
    EXPECT_EQ(parallel.out, serial.out);
    std::istringstream lines(parallel.out);
    std::string line;
    for (const std::string& name : names) {
        for (int algorithm = 0; algorithm < 2; ++algorithm) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_TRUE(line.ends_with("  " + name)) << line;
        }
    }
}

TEST_F(CliTest, RecursiveWalkIsSortedAndFollowsLinkedFoldersOnlyWhenAsked) {
    fs::create_directories(folder_.path() / "d/b");
    fs::create_directories(folder_.path() / "d/c");
    fs::create_directories(folder_.path() / "other");
    WriteFiles({{"d/c/1", "1"}, {"d/a", "a"}, {"d/b/2", "2"}, {"d/B", "B"}, {"other/x", "x"}});
    fs::create_directory_symlink("../other", folder_.path() / "d/link");
    fs::create_symlink("a", folder_.path() / "d/file-link");
    auto names = [](const std::string& out) {
        std::vector<std::string> found;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            found.push_back(line.substr(66));
        }
        return found;
    };
    const test::ProgramRun plain = Cli({"-r", "d"});
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(names(plain.out),
              (std::vector<std::string>{"d/B", "d/a", "d/b/2", "d/c/1", "d/file-link"}));
    EXPECT_EQ(Cli({"-r", "d"}).out, plain.out);
    const test::ProgramRun followed = Cli({"-r", "-L", "d/"});
    EXPECT_EQ(names(followed.out), (std::vector<std::string>{"d/B", "d/a", "d/b/2", "d/c/1",
                                                             "d/file-link", "d/link/x"}));

    // A link back up is walked once, and reported.
    fs::create_directory_symlink("..", folder_.path() / "d/c/up");
    const test::ProgramRun loop = Cli({"-r", "-L", "d"});
    EXPECT_EQ(loop.exitCode, 1);
    EXPECT_EQ(loop.err, "hashwell-cli: d/c/up: File system loop detected\n");
    EXPECT_EQ(names(loop.out).size(), 6u);
}

TEST_F(CliTest, PipesAndDevicesAreReadWhenNamedAndPassedOverInAWalk) {
    WriteFiles({{"a", "abc"}});
    fs::create_directory(folder_.path() / "folder");
    ASSERT_EQ(::mkfifo((folder_.path() / "fifo").c_str(), 0600), 0);
    const std::string operands = " <(printf abc) /dev/null fifo /dev/stdin folder missing < a";
    const test::ProgramRun ours = Shell("(printf xyz > fifo &); cli -a md5" + operands);
    const test::ProgramRun theirs = Shell("(printf xyz > fifo &); md5sum" + operands);
    EXPECT_EQ(ours.out, theirs.out);
    EXPECT_EQ(ours.err,
              "hashwell-cli: folder: Is a directory\n"
              "hashwell-cli: missing: No such file or directory\n");
    EXPECT_EQ(ours.exitCode, 1);
    // A checksum file names it explicitly too.
    folder_.Write("sums", "d16fb36f0911f878998c136191af705e  fifo\n");
    EXPECT_EQ(Shell("(printf xyz > fifo &); cli -c sums").out, "fifo: OK\n");
    // Found by a walk, it is passed over, lest the walk wait for a writer.
    fs::rename(folder_.path() / "fifo", folder_.path() / "folder/fifo");
    const test::ProgramRun walked = Cli({"-r", "folder"});
    EXPECT_EQ(walked.exitCode, 1);
    EXPECT_EQ(walked.err, "hashwell-cli: folder/fifo: Not a regular file\n");
}

TEST_F(CliTest, MessageBytesAreHashedAsGivenOrRefused) {
    const test::ProgramRun raw = Cli({"-a", "md5", "-m", "\xff"});
    EXPECT_EQ(raw.out, "00594fd4f42ba43fc1ca0427a0576295  \"\xff\"\n");
    for (const std::string refused : {"\xff", "\xc4\x80"}) {  // not UTF-8; not in Windows-1252
        const test::ProgramRun ansi = Cli({"-m", refused, "--encoding", "ansi"});
        EXPECT_EQ(ansi.exitCode, 1);
        EXPECT_TRUE(ansi.out.empty());
        EXPECT_TRUE(ansi.err.starts_with("hashwell-cli: the text ")) << ansi.err;
    }
    EXPECT_EQ(Cli({"-m", "\xff", "--encoding", "utf16le"}).exitCode, 1);
    EXPECT_EQ(Cli({"-m", "\xc4\x80", "--encoding", "utf16le"}).exitCode, 0);
}

TEST_F(CliTest, SfvRefusesNamesItCannotReadBack) {
    WriteFiles({{"trail ", "1"}, {";semi", "2"}, {"#hash", "3"}, {"ok", "abc"}});
    const test::ProgramRun run =
        Cli({"-a", "crc32", "--format", "sfv", "trail ", ";semi", "#hash", "ok"});
    EXPECT_EQ(run.out, "ok 352441C2\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
    EXPECT_NE(run.err.find("';semi': "), std::string::npos) << run.err;
}

TEST_F(CliTest, StandardInputIsReadWhenThereIsNoFileAndForADash) {
    WriteFiles({{"a", "abc"}});
    const std::string input(3 * 1024 * 1024 + 5, 'i');
    EXPECT_EQ(Cli({}, input).out, Coreutils("sha256sum", {}, input).out);
    EXPECT_EQ(Cli({"-a", "md5", "a", "-", "a"}, "abc").out,
              Coreutils("md5sum", {"a", "-", "a"}, "abc").out);
}

TEST_F(CliTest, SfvFilesAreWrittenInUpperCaseAndReadBackFromTheirOwnFolder) {
    fs::create_directory(folder_.path() / "set");
    WriteFiles({{"set/one.bin", "abc"}, {"set/two words.bin", std::string(5000, 'x')}});
    const test::ProgramRun written = test::RunCli(
        {"-a", "crc32", "--format", "sfv", "one.bin", "two words.bin"}, folder_.path() / "set");
    EXPECT_EQ(written.out, "one.bin 352441C2\ntwo words.bin 00DBF026\n");
    folder_.Write("set/set.sfv", "; made by hand\r\n" + written.out);
    EXPECT_EQ(Cli({"-c", "set/set.sfv"}).out, "one.bin: OK\ntwo words.bin: OK\n");
    folder_.Write("set/one.bin", "abd");
    const test::ProgramRun changed = Cli({"-c", "set/set.sfv"});
    EXPECT_EQ(changed.out, "one.bin: FAILED\ntwo words.bin: OK\n");
    EXPECT_EQ(changed.exitCode, 1);
}

TEST_F(CliTest, TextsAreHashedInEachEncoding) {
    std::istringstream table(test::ReadTestData("cli/text_codes.txt"));
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 4u) << line;
        const test::ProgramRun run =
            Cli({"-a", fields[0], "--encoding", fields[1], "-m", fields[2]});
        EXPECT_EQ(run.out, fields[3] + "  \"" + fields[2] + "\"\n") << line;
        ++rows;
    }
    EXPECT_GT(rows, 70);
}

}  // namespace
}  // namespace hashwell::cli
