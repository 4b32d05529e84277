// The compiled help file as the build made it: every page the program can ask for, read back
// with libchm, and its contents list.

#include <gtest/gtest.h>

#include "core/help_topics.h"
#include "helpfile/chm_file.h"
#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

TEST(HelpFile, HoldsEveryPageTheProgramCanAskForAndItsContentsList) {
    const std::optional<ChmFile> file =
        ChmFile::Open(platform::DecodeNativeBytes(HASHWELL_HELP_FILE));
    ASSERT_TRUE(file);
    for (const std::u16string& page : core::AllHelpPages()) {
        const std::optional<std::string> html = file->Read(platform::Utf16ToUtf8(page));
        ASSERT_TRUE(html) << platform::Utf16ToUtf8(page);
        EXPECT_NE(html->find("<title>"), std::string::npos);
    }
    EXPECT_EQ(core::AllHelpPages().size(), 18u);
    EXPECT_TRUE(file->Read("style.css"));
    EXPECT_TRUE(file->Read("main-window.png"));
    EXPECT_FALSE(file->Read("hashguide_999.html"));

    const std::vector<ChmFile::Entry> contents = file->Contents();
    ASSERT_EQ(contents.size(), 18u);
    EXPECT_EQ(contents[0].page, "index.html");
    EXPECT_EQ(contents[8].title, u"File > Open");  // its "&gt;" read back
}

}  // namespace
}  // namespace hashwell::helpfile
