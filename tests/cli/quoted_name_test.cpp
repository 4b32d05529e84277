// Quoting names in messages, against the table in tests/data/cli.

#include <gtest/gtest.h>

#include "cli/quoted_name.h"
#include "support/table_file.h"

namespace hashwell::cli {
namespace {

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
