#pragma once

// The codes of each file printed in the form the command line asks for.

#include <string>
#include <string_view>

#include "cli/console.h"
#include "cli/options.h"
#include "digest/list_hasher.h"

namespace hashwell::cli {

class ResultWriter {
public:
    // The CSV and TSV forms start with their titles: "File Name", then the algorithms' columns.
    ResultWriter(const Options& options, Console& console);

    // Prints a file's codes (lowercase hex, one per algorithm of the options). `name` is the
    // name's bytes as given; `shownName` the name as text, for the CSV and TSV forms. False when
    // the form cannot hold the name (see checksums::SfvLine): nothing is printed.
    bool Write(std::string_view name, std::u16string_view shownName, const digest::Codes& codes);

private:
    const Options& options_;
    Console& console_;
};

}  // namespace hashwell::cli
