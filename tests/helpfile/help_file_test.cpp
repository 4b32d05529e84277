// The compiled help file as the build made it, read through the help reader program: every page
// the program can ask for, and its contents list.

#include <gtest/gtest.h>

#include "core/windows/help_topics.h"
#include "helpfile/help_reader.h"
#include "helpfile/sitemap.h"
#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

TEST(HelpFile, HoldsEveryPageTheProgramCanAskForAndItsContentsList) {
    HelpReader file(platform::DecodeNativeBytes(HASHWELL_HELP_READER),
                    platform::DecodeNativeBytes(HASHWELL_HELP_FILE));
    ASSERT_EQ(file.Status(), ReadStatus::Found);
    for (const std::u16string& page : core::AllHelpPages()) {
        const Answer html = file.Page(platform::Utf16ToUtf8(page));
        ASSERT_EQ(html.status, ReadStatus::Found) << platform::Utf16ToUtf8(page);
        EXPECT_NE(html.bytes.find("<title>"), std::string::npos);
    }
    EXPECT_EQ(core::AllHelpPages().size(), 18u);
    EXPECT_EQ(file.Page("style.css").status, ReadStatus::Found);
    EXPECT_EQ(file.Page("/main-window.png").status, ReadStatus::Found);
    EXPECT_EQ(file.Page("hashguide_999.html").status, ReadStatus::Missing);

    const Answer sitemap = file.Contents();
    ASSERT_EQ(sitemap.status, ReadStatus::Found);
    const std::vector<ContentsEntry> contents = ParseSitemap(sitemap.bytes);
    ASSERT_EQ(contents.size(), 18u);
    EXPECT_EQ(contents[0].page, "index.html");
    EXPECT_EQ(contents[8].title, u"File > Open");  // its "&gt;" read back
    EXPECT_EQ(file.Status(), ReadStatus::Found);
}

}  // namespace
}  // namespace hashwell::helpfile
