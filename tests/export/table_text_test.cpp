// The text of CSV and TSV files: what a spreadsheet reads back, and the bytes of each encoding.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "export/table_text.h"
#include "platform/text_encoding.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

namespace hashwell::exporting {
namespace {

// A cell that would break a naive writer: quote, comma, tab, line feed, carriage return.
const std::u16string kAwkward = u"/tmp/a \"b\",c\td\ne\rf.bin";

Table TwoRows() {
    return {{u"File Name", u"CRC-32B"}, {{kAwkward, u"0a1b2c3d"}, {u"/plain", u"File Error"}}};
}

#ifndef _WIN32  // Python is the host's
// What Python's csv module reads from the file, one cell per line, each cell's characters as
// their code points, so that line breaks inside cells show.
std::string ReadBackWithPython(const std::string& path) {
    const std::string command =
        "python3 -c \"import csv,sys; rows=list(csv.reader(open(sys.argv[1], newline='', "
        "encoding='utf-8'))); print(len(rows)); [print(' '.join(str(ord(c)) for c in cell)) "
        "for row in rows for cell in row]\" " +
        path;
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return output;
}

std::string CodePoints(std::u16string_view cell) {
    std::string line;
    for (const char16_t c : cell) {
        line += (line.empty() ? "" : " ") + std::to_string(c);
    }
    return line + "\n";
}

TEST(TableText, CsvReadsBackIntoTheSameCellsWhateverTheyHold) {
    const Table table = TwoRows();
    const std::string text =
        platform::EncodeText(TableText(table, TableFormat::Csv), platform::TextEncoding::Utf8);
    EXPECT_TRUE(text.starts_with("\"File Name\",\"CRC-32B\"\r\n\"/tmp/a \"\"b\"\",c\td\ne\rf"));
    test::ScratchFolder folder;
    std::string expected = "3\n";
    for (const auto& cells : {table.titles, table.rows[0], table.rows[1]}) {
        for (const std::u16string& cell : cells) {
            expected += CodePoints(cell);
        }
    }
    EXPECT_EQ(ReadBackWithPython(folder.Write("awkward.csv", text).string()), expected);
}
#endif

TEST(TableText, TsvKeepsEveryRowOnOneLineWithItsFields) {
    const std::u16string text = TableText(TwoRows(), TableFormat::Tsv);
    EXPECT_EQ(text,
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
