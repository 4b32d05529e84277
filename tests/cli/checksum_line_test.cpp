// Reading checksum lines in every form, and quoting names in messages, against the tables in
// tests/data/cli.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/checksum_line.h"
#include "cli/quoted_name.h"
#include "support/vector_file.h"

namespace hashwell::cli {
namespace {

// The bytes a table field stands for: \t \n \r \\ and \xHH decoded.
std::string Unescaped(std::string_view field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            bytes += field[i];
            continue;
        }
        const char next = field[++i];
        if (next == 'x') {
            bytes += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        }
    }
    return bytes;
}

// The rows of a table in tests/data, each field unescaped; '#' starts a comment line.
std::vector<std::vector<std::string>> ReadTable(const std::string& name) {
    std::istringstream text(test::ReadTestData(name));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(text, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');) {
            rows.back().push_back(Unescaped(field));
        }
    }
    return rows;
}

std::string Describe(const ParsedLine& parsed) {
    if (parsed.kind != LineKind::Code) {
        return parsed.kind == LineKind::Ignored ? "ignored" : "malformed";
    }
    const ExpectedCode& code = *parsed.code;
    const char* form = code.form == LineForm::Gnu   ? "gnu"
                       : code.form == LineForm::Bsd ? "bsd"
                                                    : "sfv";
    return std::string(form) + " " + std::string(code.algorithm.name) + " " + code.hex + " " +
           code.name;
}

TEST(ChecksumLineTest, LinesOfEveryFormAreReadAsTheTableSays) {
    const std::vector<std::vector<std::string>> rows = ReadTable("cli/checksum_lines.txt");
    ASSERT_GT(rows.size(), 40u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 3u) << row[0];
        LineRules rules;
        rules.sfvFirst = row[0] == "sfv";
        std::vector<std::string> names;
        std::istringstream list(row[0].starts_with("a=") ? row[0].substr(2) : "");
        for (std::string name; std::getline(list, name, ',');) {
            names.push_back(name);
        }
        const std::vector<Algorithm> allowed = *ParseAlgorithmList(names);
        rules.allowed = allowed;
        EXPECT_EQ(Describe(ChecksumLineParser(rules).Parse(row[1])), row[2]) << row[1];
    }
}

TEST(ChecksumLineTest, WrittenLinesAreReadBackWithTheSameName) {
    const Algorithm& sha1 = *digest::FindAlgorithmByName("sha1");
    const std::string hex = "a9993e364706816aba3e25717850c26c9cd0d89d";
    for (const std::string name : {"plain", "with space", "back\\slash", "line\nfeed", "cr\rx",
                                   " lead", "*star", "x (1) = y", "\xff\xfe"}) {
        for (const std::string& line : {GnuLine(hex, name), BsdLine(sha1, hex, name)}) {
            ASSERT_TRUE(line.ends_with('\n'));
            const ParsedLine parsed =
                ChecksumLineParser({}).Parse(std::string_view(line).substr(0, line.size() - 1));
            ASSERT_EQ(parsed.kind, LineKind::Code) << line;
            EXPECT_EQ(parsed.code->name, name) << line;
            EXPECT_EQ(parsed.code->hex, hex);
        }
    }
    EXPECT_FALSE(SfvLine("352441C2", "line\nfeed"));
    EXPECT_EQ(ResultName("we\\ird"), "we\\ird");  // only a line feed needs the escaped form
    EXPECT_EQ(ResultName("li\\ne\n"), "\\li\\\\ne\\n");
}

TEST(QuotedNameTest, NamesAreQuotedAsTheTableSays) {
    const std::vector<std::vector<std::string>> rows = ReadTable("cli/quoted_names.txt");
    ASSERT_GT(rows.size(), 20u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 2u) << row[0];
        EXPECT_EQ(QuotedName(row[0]), row[1]);
    }
}

}  // namespace
}  // namespace hashwell::cli
