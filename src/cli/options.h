#pragma once

// What the command line asks for, read with CLI11.

#include <optional>
#include <string>
#include <vector>

#include "cli/algorithms.h"
#include "digest/text_digest.h"
#include "export/table_text.h"
#include "platform/platform.h"

namespace hashwell::cli {

// The forms of the output: checksum lines, or the window's export of its file list (in the
// export's own format, `Options::table`).
enum class OutputFormat { Gnu, Bsd, Sfv, Table };

// What a check prints: the last of --quiet, --status and --warn given decides, as in coreutils.
enum class CheckReport {
    Normal,  // every result, and the warnings that sum up
    Quiet,   // no line for a file that is OK
    Status,  // no result lines and no summing-up warnings
    Warn,    // everything, and a warning for each improperly formatted line
};

struct Options {
    std::vector<Algorithm> algorithms;     // at least one
    bool algorithmsNamed = false;          // -a was given
    std::vector<platform::Path> operands;  // files, or checksum files with --check; "-" is stdin
    bool recursive = false;
    bool followLinks = false;
    std::optional<std::string> message;  // -m: the text to hash, as the bytes given
    std::int64_t textFormat = digest::TextFormat::Utf8;
    bool upper = false;
    unsigned jobs = 1;
    OutputFormat format = OutputFormat::Gnu;  // gnu for one algorithm, else bsd, unless chosen
    exporting::TableFormat table = exporting::TableFormat::Csv;  // with OutputFormat::Table
    bool binary = false;  // -b: a gnu line marks its name with '*'
    bool zero = false;    // -z: lines end with NUL, and names are written as they are

    bool check = false;
    CheckReport report = CheckReport::Normal;
    bool ignoreMissing = false;
    bool strict = false;
};

// The options of a command line (the parameters, without the program's name), or the exit code
// when the run ends here: 0 after --help or --version, which print to `out`; 2 after a usage
// error, described on `err`.
struct ParsedOptions {
    std::optional<Options> options;
    int exitCode = 0;
};
ParsedOptions ParseOptions(const std::vector<std::u16string>& parameters, std::string& out,
                           std::string& err);

}  // namespace hashwell::cli
