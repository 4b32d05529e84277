// The text of CSV and TSV files: what a spreadsheet reads back, and the bytes of each encoding.

#include <gtest/gtest.h>

#include <string>

#include "export/table_text.h"
#include "platform/text_encoding.h"
#include "support/platform_testing.h"

namespace hashwell::exporting {
namespace {

TEST(TableText, CsvQuotesEveryCellAndTsvKeepsEachRowOnOneLineWhateverTheCellsHold) {
    // A cell that would break a naive writer: quote, comma, tab, line feed, carriage return.
    const Table table{{u"File Name", u"CRC-32B"},
                      {{u"/tmp/a \"b\",c\td\ne\rf.bin", u"0a1b2c3d"}, {u"/plain", u"File Error"}}};
    // Python's csv module reads these lines back into the same cells.
    EXPECT_EQ(TableText(table, TableFormat::Csv),
              u"\"File Name\",\"CRC-32B\"\r\n"
              u"\"/tmp/a \"\"b\"\",c\td\ne\rf.bin\",\"0a1b2c3d\"\r\n"
              u"\"/plain\",\"File Error\"\r\n");
    EXPECT_EQ(TableText(table, TableFormat::Tsv),
              u"File Name\tCRC-32B\r\n"
              u"/tmp/a \"b\",c    d e f.bin\t0a1b2c3d\r\n"
              u"/plain\tFile Error\r\n");
}

TEST(TableText, EachEncodingWritesItsOwnBytesWithoutAMark) {
    const std::u16string text = u"A\u00E9\u0100\r\n";
    EXPECT_EQ(platform::EncodeText(text, platform::TextEncoding::Utf8), "A\xC3\xA9\xC4\x80\r\n");
    if (test::AnsiCodePage() == 1252) {
        // Windows' own conversion gives U+0100 its look-alike; POSIX's table, a '?'.
#ifdef _WIN32
        EXPECT_EQ(platform::EncodeText(text, platform::TextEncoding::AnsiCodePage),
                  "A\xE9"
                  "A\r\n");
#else
        EXPECT_EQ(platform::EncodeText(text, platform::TextEncoding::AnsiCodePage), "A\xE9?\r\n");
#endif
    }
    EXPECT_EQ(platform::EncodeText(text, platform::TextEncoding::Utf16LittleEndian),
              std::string("A\0\xE9\0\x00\x01\r\0\n\0", 10));
}

}  // namespace
}  // namespace hashwell::exporting
