// Verification in the window, on the fake desktop: a checksum file's lines as rows with their
// verdicts, the algorithm each line names, the total in one box; and a code on the clipboard
// compared with the Text and File tabs' codes.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "core/app/program_options.h"
#include "started_program.h"
#include "support/platform_testing.h"

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using enum MainControl;

constexpr std::string_view kSha256OfA =
    "ca978112ca1bbdcafac231b39a23dc4da786eff8147c4e72b9807785afee48bb";

class VerifyTest : public StartedProgram {
protected:
    void SetUp() override {
        Start();
        folder_.Write("a", "a");
        fs::create_directories(folder_.path() / "folder");
    }
    void Verify(const std::string& name, const std::string& lines) {
        desktop_.boxes.clear();
        desktop_.dialogAnswers.push_back({test::ToUtf16(folder_.Write(name, lines))});
        ChooseMenu(MenuItem::MenuVerifyChecksumFile);
    }
    std::vector<std::u16string> Column(std::size_t column) const {
        std::vector<std::u16string> cells;
        for (const auto& row : desktop_.gridRows) {
            cells.push_back(row.at(column));
        }
        return cells;
    }
};

TEST_F(VerifyTest, EachLineGetsARowInOrderAndTheBoxCountsWhatWentWrong) {
    const std::string a = std::string(kSha256OfA) + "  a\n";
    Verify("SHA256SUMS", a + std::string(64, '0') + "  a\n# a comment\n\njunk\n" +
                             std::string(kSha256OfA) + "  gone\n" + std::string(kSha256OfA) +
                             "  folder\n" + a);
    EXPECT_EQ(desktop_.dialogs.back().title, u"Please choose a checksum file");
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    ASSERT_EQ(desktop_.gridColumns.size(), 4u);
    EXPECT_EQ(desktop_.gridColumns[3].title, u"Status");
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"a", u"a", u"gone", u"folder", u"a"}));
    EXPECT_EQ(Column(1), std::vector<std::u16string>(5, u"SHA-256"));
    const std::vector<std::u16string> status = Column(3);
    EXPECT_EQ(std::vector(status.begin(), status.begin() + 3),
              (std::vector<std::u16string>{u"OK", u"FAILED", u"Missing"}));
    EXPECT_TRUE(status[3].starts_with(u"Unreadable: ")) << platform::Utf16ToUtf8(status[3]);
    EXPECT_EQ(status[4], u"OK");  // a file named twice is read once, and counts twice
    EXPECT_EQ(desktop_.markedRows, (std::vector{1, 2, 3}));
    EXPECT_EQ(
        desktop_.boxes,
        (std::vector{MessageBoxRequest{u"Verification",
                                       u"1 of 5 files FAILED, 1 missing, 1 unreadable. 1 line "
                                       u"is not a checksum line.",
                                       MessageIcon::Warning, MessageButtons::Ok}}));

    // A list run afterwards has its own columns again.
    desktop_.dialogAnswers.push_back({folder_.PathOf("a")});
    ChooseMenu(MenuItem::MenuOpenList);
    EXPECT_EQ(desktop_.gridColumns.size(), 6u);
    EXPECT_TRUE(desktop_.markedRows.empty());
}

TEST_F(VerifyTest, LinesNameTheirAlgorithmByTagByTheFilesNameOrByTheCodesLength) {
    for (const auto& [name, line, method, text] :
         {std::tuple{"a.md5", "MD5 (a) = 0cc175b9c0f1b6a831c399e269772661\n", u"MD5",
                     u"The file is OK."},
          std::tuple{"a.sha3-256",
                     "80084bf2fba02475726feb2cab2d8215eab14bc6bdd8bfb2c8151257032ecd8b  a\n",
                     u"SHA-3-256", u"The file is OK."},
          std::tuple{"list.txt", "86f7e437faa5a7fce15d1ddcb9eaeaea377667b8 *a\n", u"SHA-1",
                     u"The file is OK."},
          std::tuple{"two.sfv", "a 00000000\n", u"CRC-32B", u"1 of 1 file FAILED."},
          // b3sum's and xxhsum's files
          std::tuple{"B3SUMS",
                     "17762fddd969a453925d65717ac3eea21320b66b54342fde15128d6caf21215f  a\n",
                     u"BLAKE3", u"The file is OK."},
          std::tuple{"a.xxh128", "a96faf705af16834e6c632b61e964e1f  a\n", u"XXH128",
                     u"The file is OK."}}) {
        Verify(name, line);
        EXPECT_EQ(Column(1), std::vector<std::u16string>{method}) << name;
        ASSERT_EQ(desktop_.boxes.size(), 1u);
        EXPECT_EQ(desktop_.boxes[0].text, text) << name;
    }
    Verify("SHA256SUMS", std::string(kSha256OfA) + "  a\n" + std::string(kSha256OfA) + "  a\n");
    EXPECT_EQ(desktop_.boxes[0], (MessageBoxRequest{u"Verification", u"All 2 files OK.",
                                                    MessageIcon::Information, MessageButtons::Ok}));
}

TEST_F(VerifyTest, FileWithoutChecksumLinesIsSaidAndChangesNothing) {
    desktop_.gridRows = {{u"kept"}};
    Verify("SHA256SUMS", "# only a comment\nnot a line\n");
    EXPECT_EQ(desktop_.boxes,
              (std::vector{MessageBoxRequest{
                  u"Not a Checksum File",
                  u"File '" + folder_.PathOf("SHA256SUMS") + u"' holds no checksum lines!",
                  MessageIcon::Error, MessageButtons::Ok}}));
    EXPECT_EQ(desktop_.gridRows, (std::vector<std::vector<std::u16string>>{{u"kept"}}));
}

TEST_F(VerifyTest, ClipboardCodeIsComparedByTheChosenMethodThenByEveryMethodOfItsLength) {
    desktop_.shownTab = TabIndex::Text;
    Text(TextInput) = u"abc";
    Click(OptionSha2);
    Click(ButtonCalculate);
    const std::u16string sha256 = Text(TextHashBox);
    Click(OptionMd5);
    Click(ButtonCalculate);
    const std::u16string md5 = Text(TextHashBox);
    std::u16string upper = sha256;
    for (char16_t& c : upper) {
        c = c >= u'a' && c <= u'f' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    const std::u16string zeros(32, u'0');
    for (const auto& [clipboard, title, text] :
         {std::tuple{u"  " + upper + u"\n", u"Codes Match",
                     std::u16string(u"The SHA-256 code of the text matches the clipboard.")},
          // The methods the window does not offer are tried last: xxhsum's and b3sum's codes.
          std::tuple{
              std::u16string(u"6437b3ac38465133ffb63b75273a8db548c558465d79db03fd359c6cd5bd9d85"),
              u"Codes Match",
              std::u16string(u"The BLAKE3 code of the text matches the clipboard.")},
          std::tuple{std::u16string(u"06b05ab6733a618578af5f94892f3950"), u"Codes Match",
                     std::u16string(u"The XXH128 code of the text matches the clipboard.")},
          std::tuple{std::u16string(u"78af5f94892f3950"), u"Codes Match",
                     std::u16string(u"The XXH3 code of the text matches the clipboard.")},
          std::tuple{zeros, u"Codes Differ",
                     u"No method gives the clipboard's code for the text.\n\nExpected: " + zeros +
                         u"\nMD5: " + md5},
          std::tuple{std::u16string(u"no code here"), u"Nothing to Compare",
                     std::u16string(u"The clipboard holds no hash code!")}}) {
        desktop_.boxes.clear();
        desktop_.clipboard = clipboard;
        ChooseMenu(MenuItem::MenuCompareWithClipboard);
        ASSERT_EQ(desktop_.boxes.size(), 1u);
        EXPECT_EQ(desktop_.boxes[0].title, title);
        EXPECT_EQ(desktop_.boxes[0].text, text);
    }

    // On the File tab a line must name the file, by its name or its full path.
    desktop_.shownTab = TabIndex::File;
    state_.fileToHash = folder_.PathOf("a");
    Text(FileNameBox) = u"Filename: " + state_.fileToHash;
    for (const auto& [name, title] :
         {std::pair{u"a", u"Codes Match"}, std::pair{u"b", u"Nothing to Compare"}}) {
        desktop_.boxes.clear();
        desktop_.clipboard = test::ToUtf16(std::string(kSha256OfA)) + u"  " + name;
        ChooseMenu(MenuItem::MenuCompareWithClipboard);
        ASSERT_EQ(desktop_.boxes.size(), 1u);
        EXPECT_EQ(desktop_.boxes[0].title, title);
    }
    EXPECT_EQ(Text(FileHashBox), test::ToUtf16(std::string(kSha256OfA)));
}

TEST_F(VerifyTest, ChecksumFileDroppedAloneOntoTheGridOrNamedWithVerifyIsVerified) {
    const std::string line = std::string(kSha256OfA) + "  a\n";
    const std::u16string sums = test::ToUtf16(folder_.Write("SHA256SUMS", "# sums\n" + line));
    const std::u16string notes = test::ToUtf16(folder_.Write("notes.txt", line));
    for (const auto& [dropped, columns] :
         {std::pair{std::vector{sums}, 4u}, std::pair{std::vector{notes}, 6u},
          std::pair{std::vector{sums, notes}, 6u}}) {
        Drop(FileGrid, u"", dropped);
        EXPECT_EQ(desktop_.gridColumns.size(), columns);
    }
    const ProgramOptions options =
        ReadProgramOptions({u"--verify", sums}, [](const platform::Path&) { return false; });
    desktop_.boxes.clear();
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), options.paths, options.verify));
    EXPECT_EQ(desktop_.gridColumns.size(), 4u);
    EXPECT_EQ(desktop_.boxes.back().text, u"The file is OK.");
}

// What a peer's check printed: each file's status, as the grid words it.
std::map<std::string, std::string> PeerVerdicts(const std::string& command) {
    std::map<std::string, std::string> verdicts;
    FILE* output = ::popen(command.c_str(), "r");
    for (char line[4096]; output != nullptr && std::fgets(line, sizeof line, output) != nullptr;) {
        std::string text(line);
        text.erase(text.find_last_not_of(" \n") + 1);
        const std::size_t colon = text.rfind(": ");
        const std::size_t blank = text.find(' ');
        const bool gnu = colon != std::string::npos;
        const std::string name = text.substr(0, gnu ? colon : blank);
        const std::string word =
            gnu ? text.substr(colon + 2) : text.substr(text.find_last_of(' ') + 1);
        if (word == "OK" || word == "FAILED" || word == "ERR") {
            verdicts[name] = word == "OK" ? "OK" : "FAILED";
        } else if (word == "FAILED open or read" || word == "directory") {
            verdicts[name] = "Missing";
        }
    }
    if (output != nullptr) {
        ::pclose(output);
    }
    return verdicts;
}

TEST_F(VerifyTest, VerdictsAreThePeersOnAThousandFilesFourOfThemChangedOrGone) {
    if (std::system("sha256sum --version && rhash --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "sha256sum or rhash is not installed";
    }
    const fs::path files = folder_.path() / "files";
    for (const auto& [write, name] :
         {std::pair{"sha256sum f*", "SHA256SUMS"}, std::pair{"md5sum --tag f*", "MD5SUMS"},
          std::pair{"rhash --sfv f*", "files.sfv"}}) {
        fs::remove_all(files);
        fs::create_directories(files);
        for (int i = 0; i < 1000; ++i) {
            folder_.Write("files/f" + std::to_string(i), std::to_string(i));
        }
        const std::string in = "cd '" + files.string() + "' && ";
        ASSERT_EQ(std::system((in + write + " > ../" + name).c_str()), 0);
        for (const char* changed : {"files/f1", "files/f20", "files/f300"}) {
            folder_.Write(changed, "changed");
        }
        fs::remove(files / "f4");
        Verify("files/" + std::string(name), folder_.Read(name));
        std::map<std::string, std::string> ours;
        for (const auto& row : desktop_.gridRows) {
            ours[platform::Utf16ToUtf8(row[0])] = platform::Utf16ToUtf8(row[3]);
        }
        const std::string check = std::string(name) == "files.sfv" ? "rhash -c "
                                  : std::string(name) == "MD5SUMS" ? "md5sum -c "
                                                                   : "sha256sum -c ";
        EXPECT_EQ(ours, PeerVerdicts(in + check + name + " 2>/dev/null")) << name;
    }
}

}  // namespace
}  // namespace hashwell::core
