// The contents list as the help compilers write it, and crafted lists that must cost no more
// than their length.

#include <gtest/gtest.h>

#include "helpfile/sitemap.h"

namespace hashwell::helpfile {
namespace {

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

}  // namespace
}  // namespace hashwell::helpfile
