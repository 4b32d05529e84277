// The help file read through the reader process: a damaged file crashes or stalls only the
// reader, and whatever the reader does, the window gets an answer in bounded time and no reader
// process is left behind. The contents list as the help compilers write it, and crafted lists
// that must cost no more than their length. The compiled help file as the build made it, read
// through the reader program: every page the program can ask for, and its contents list.

#include <gtest/gtest.h>
#include <sys/time.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <thread>

#include "core/windows/help_topics.h"
#include "helpfile/help_reader.h"
#include "helpfile/limits.h"
#include "helpfile/sitemap.h"
#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

using namespace std::chrono_literals;
using enum ReadStatus;

const platform::Path kReader = platform::DecodeNativeBytes(HASHWELL_HELP_READER);
const platform::Path kStandIn = platform::DecodeNativeBytes(HASHWELL_STAND_IN_READER);

// A damaged copy of a help file of two pages (tests/data/helpfile/damage.py says how each is
// damaged).
platform::Path Data(std::string_view name) {
    return platform::DecodeNativeBytes(std::string(HASHWELL_TEST_DATA_DIR "/helpfile/") +
                                       std::string(name));
}

// True when this process has no child left, running or unreaped.
bool NoReaderLeft() {
    return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

TEST(CheckedObjectLength, RefusesLengthsBeyondTheFileOrTheLargestObjectAndEndsThatWrap) {
    EXPECT_EQ(CheckedObjectLength(100, 0, false, 100), 100u);
    EXPECT_FALSE(CheckedObjectLength(100, 1, false, 100));
    EXPECT_FALSE(CheckedObjectLength(1, UINT64_MAX, false, 100));  // the end would wrap around
    EXPECT_EQ(CheckedObjectLength(kMaxObjectSize, 0, true, 100), kMaxObjectSize);
    EXPECT_FALSE(CheckedObjectLength(kMaxObjectSize + 1, 0, true, UINT64_MAX));
}

TEST(HelpReader, DamagedFilesCrashOrStallOnlyTheReader) {
    {  // libchm divides by the window size of 0 while it opens the file
        const HelpReader reader(kReader, Data("no_window_size.chm"));
        EXPECT_EQ(reader.Status(), Damaged);
    }
    {  // ... by the block length of 0 at the first compressed object; the reader is then ended
        HelpReader reader(kReader, Data("no_block_length.chm"));
        ASSERT_EQ(reader.Status(), Found);
        EXPECT_EQ(reader.Page("index.html").status, Damaged);
        EXPECT_EQ(reader.Status(), Damaged);
        EXPECT_EQ(reader.Contents().status, Damaged);
    }
    {  // ... and loops in the index for ever: the window gives up
        const HelpReader reader(kReader, Data("index_loop.chm"), 500ms);
        EXPECT_EQ(reader.Status(), Damaged);
    }
    {  // a length it cannot hold is damage of that object, not an allocation, and it goes on
        HelpReader reader(kReader, Data("huge_lengths.chm"));
        EXPECT_EQ(reader.Page("index.html").status, Damaged);  // 2^62 bytes
        EXPECT_EQ(reader.Page("/page.html").status, Damaged);  // 0x60000000 bytes
        EXPECT_EQ(reader.Page("Small.hhc").status, Found);
        EXPECT_EQ(reader.Page("none.html").status, Missing);
        EXPECT_EQ(reader.Page(std::string(kMaxNameLength + 1, 'a')).status, Missing);
        EXPECT_EQ(reader.Status(), Found);
    }
    EXPECT_EQ(HelpReader(kReader, Data("damage.py")).Status(), Damaged);  // no help file
    EXPECT_EQ(HelpReader(kReader, Data("none.chm")).Status(), Unreadable);
    EXPECT_EQ(HelpReader(Data("none"), Data("huge_lengths.chm")).Status(), Unreadable);
    EXPECT_TRUE(NoReaderLeft());
}

// Signals every millisecond while it lives, so that waits on the socket are interrupted.
struct Interruptions {
    Interruptions() {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        ::sigaction(SIGALRM, &action, nullptr);  // no SA_RESTART
        const itimerval every{{0, 1000}, {0, 1000}};
        ::setitimer(ITIMER_REAL, &every, nullptr);
    }
    ~Interruptions() {
        const itimerval off{};
        ::setitimer(ITIMER_REAL, &off, nullptr);
    }
};

TEST(HelpReader, AReaderThatMisbehavesIsEndedAndTheFileTakenForDamaged) {
    for (const auto& [behaviour, opened, page] : {std::tuple{"dead", Damaged, Damaged},
                                                  {"silent", Damaged, Damaged},
                                                  {"hang", Found, Damaged},
                                                  {"gone", Found, Damaged},
                                                  {"garbage", Found, Damaged},
                                                  {"oversized", Found, Damaged},
                                                  {"trickle", Found, Found}}) {
        const Interruptions interruptions;
        HelpReader reader(kStandIn, platform::DecodeNativeBytes(behaviour), 1s);
        EXPECT_EQ(reader.Status(), opened) << behaviour;
        std::this_thread::sleep_for(20ms);  // "gone" is gone: the request meets a closed socket
        EXPECT_EQ(reader.Page("index.html").status, page) << behaviour;
    }
    EXPECT_TRUE(NoReaderLeft());
}

TEST(Sitemap, TitlesAndPagesInOrderWithEntitiesAndATitleWithoutItsPageDropped) {
    const std::string text = R"(<UL><LI><OBJECT type="text/sitemap">
        <param name="Name" value="File &gt; Open &amp;&lt;"><param name="Local" value="a.html">
        </OBJECT><LI><OBJECT><PARAM NAME="name" VALUE="Lone"></OBJECT><OBJECT>
        <param name="Name" value="B<"><param  name = "Local"  value = "b.html"></OBJECT>)";
    EXPECT_EQ(ParseSitemap(text),
              (std::vector<ContentsEntry>{{u"File > Open &<", "a.html"}, {u"B<", "b.html"}}));
}

// A reader that looks for the end of every '<' to the end of the text, or replaces entities in
// place from the start each time, takes hours on these, and CTest's timeout fails it; read
// once, they take milliseconds.
TEST(Sitemap, CraftedListsAreReadInTimeProportionalToTheirLength) {
    constexpr std::size_t kSize = std::size_t{16} << 20;
    EXPECT_TRUE(ParseSitemap(std::string(kSize, '<') + '>').empty());

    std::string entities = R"(<param name="Name" value=")";
    for (std::size_t i = 0; i < kSize / 5; ++i) {
        entities += "&amp;";
    }
    entities += R"("><param name="Local" value="a.html">)";
    const std::vector<ContentsEntry> entries = ParseSitemap(entities);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, std::u16string(kSize / 5, u'&'));
}

#ifdef HASHWELL_HELP_FILE  // the help file is built with the program
TEST(HelpFile, HoldsEveryPageTheProgramCanAskForAndItsContentsList) {
    HelpReader file(platform::DecodeNativeBytes(HASHWELL_HELP_READER),
                    platform::DecodeNativeBytes(HASHWELL_HELP_FILE));
    ASSERT_EQ(file.Status(), ReadStatus::Found);
    for (const std::u16string& page : core::AllHelpPages()) {
        const Answer html = file.Page(platform::Utf16ToUtf8(page));
        ASSERT_EQ(html.status, ReadStatus::Found) << platform::Utf16ToUtf8(page);
        EXPECT_NE(html.bytes.find("<title>"), std::string::npos);
    }
    EXPECT_EQ(file.Page("style.css").status, ReadStatus::Found);
    EXPECT_EQ(file.Page("/main-window.png").status, ReadStatus::Found);
    EXPECT_EQ(file.Page("hashguide_999.html").status, ReadStatus::Missing);

    const Answer sitemap = file.Contents();
    ASSERT_EQ(sitemap.status, ReadStatus::Found);
    const std::vector<ContentsEntry> contents = ParseSitemap(sitemap.bytes);
    // Every page stands in the contents list, once.
    ASSERT_EQ(contents.size(), core::AllHelpPages().size());
    EXPECT_EQ(contents[0].page, "index.html");
    EXPECT_EQ(contents[8].title, u"File > Open");  // its "&gt;" read back
    EXPECT_EQ(file.Status(), ReadStatus::Found);
}
#endif

}  // namespace
}  // namespace hashwell::helpfile
