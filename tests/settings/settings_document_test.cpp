// How settings files are read and written back, as the table tests/data/settings/documents.txt
// says: each case opens a file, makes its calls and compares the bytes written.

#include <gtest/gtest.h>

#include "platform/unicode.h"
#include "settings/settings_document.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"

namespace hashwell::settings {
namespace {

TEST(SettingsDocument, FilesAreReadAndWrittenBackAsTheTableSays) {
    const test::ScratchFolder folder;
    SettingsDocument document;
    std::string before;  // names the case in messages
    for (std::vector<std::string> row : test::ReadTable("settings/documents.txt")) {
        row.resize(4);
        const std::string& call = row[0];
        const std::u16string name = platform::Utf8ToUtf16(row[1]);
        const std::u16string text = platform::Utf8ToUtf16(row[2]);
        if (call == "before") {
            before = row[1];
            folder.Write("test.ini", before);
            ASSERT_TRUE(document.OpenDocument(folder.PathOf("test.ini"))) << before;
        } else if (call == "group") {
            EXPECT_EQ(document.SelectGroup(name), row[2] == "found") << before << row[1];
        } else if (call == "text") {
            EXPECT_EQ(document.ReadText(name, text), platform::Utf8ToUtf16(row[3])) << before;
        } else if (call == "number") {
            EXPECT_EQ(document.ReadInteger(name, std::stoll(row[2])), std::stoll(row[3])) << before;
        } else if (call == "write") {
            document.WriteText(name, text);
        } else if (call == "write-number") {
            document.WriteInteger(name, std::stoll(row[2]));
        } else if (call == "comment") {
            document.AddComment(name);
        } else {
            ASSERT_EQ(call, "after");
            EXPECT_TRUE(document.CloseDocument()) << before;
            EXPECT_EQ(folder.Read("test.ini"), row[1]) << before;
        }
    }
}

}  // namespace
}  // namespace hashwell::settings
