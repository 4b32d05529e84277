// Reading checksum lines in every form, and quoting names in messages, against the tables in
// tests/data/cli.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/checksum_line.h"
#include "cli/quoted_name.h"
#include "support/table_file.h"

namespace hashwell::cli {
namespace {

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
    const std::vector<std::vector<std::string>> rows = test::ReadTable("cli/checksum_lines.txt");
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

TEST(QuotedNameTest, NamesAreQuotedAsTheTableSays) {
    const std::vector<std::vector<std::string>> rows = test::ReadTable("cli/quoted_names.txt");
    ASSERT_GT(rows.size(), 20u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 2u) << row[0];
        EXPECT_EQ(QuotedName(row[0]), row[1]);
    }
}

}  // namespace
}  // namespace hashwell::cli
