// Reading checksum lines in every form, against the table in tests/data/checksums.

#include <gtest/gtest.h>

#include <sstream>

#include "checksums/checksum_line.h"
#include "support/table_file.h"

namespace hashwell::checksums {
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
    const std::vector<std::vector<std::string>> rows =
        test::ReadTable("checksums/checksum_lines.txt");
    ASSERT_GT(rows.size(), 40u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 3u) << row[0];
        LineRules rules;
        rules.sfvFirst = row[0] == "sfv";
        std::vector<Algorithm> allowed;
        std::istringstream list(row[0].starts_with("a=") ? row[0].substr(2) : "");
        for (std::string name; std::getline(list, name, ',');) {
            allowed.push_back(*digest::FindAlgorithmByName(name));
        }
        rules.allowed = allowed;
        EXPECT_EQ(Describe(ChecksumLineParser(rules).Parse(row[1])), row[2]) << row[1];
    }
}

}  // namespace
}  // namespace hashwell::checksums
