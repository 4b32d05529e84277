#pragma once

// One line of a checksum file, written and read in the forms other tools exchange:
//   gnu  "<hex>  <name>" as GNU coreutils' sha256sum writes it ("<hex> *<name>" in binary mode)
//   bsd  "SHA256 (<name>) = <hex>", coreutils' --tag form and the BSD tools' output
//   sfv  "<name> <CRC-32>", the Simple File Verification form
// A gnu or bsd line whose name holds a backslash, a line feed or a carriage return starts with
// a backslash and writes those characters as \\, \n and \r, as coreutils does.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/algorithms.h"

namespace hashwell::cli {

enum class LineForm { Gnu, Bsd, Sfv };

// The lines of one file's code, each ended by a line feed; `name` and `hex` as bytes.
std::string GnuLine(std::string_view hex, std::string_view name);
std::string BsdLine(const Algorithm& algorithm, std::string_view hex, std::string_view name);
// Nothing when the name cannot stand in an SFV line (it holds a line break).
std::optional<std::string> SfvLine(std::string_view hex, std::string_view name);

// The name as a verification result shows it: escaped as a gnu line escapes it, with a
// backslash in front, when it holds a line feed; as it is otherwise.
std::string ResultName(std::string_view name);

// What a checksum line asks to verify.
struct ExpectedCode {
    LineForm form;
    Algorithm algorithm;
    std::string hex;   // lowercase
    std::string name;  // unescaped: the name's own bytes
};

// How the lines of one checksum file are read.
struct LineRules {
    // The algorithms a line may use: a gnu line's by the length of its code, the first that
    // fits; a bsd line's must be named by its tag. Every algorithm when empty, and then a code
    // of 56 to 128 digits is taken as SHA-2's.
    std::span<const Algorithm> allowed;
    bool sfvFirst = false;  // the file is an .sfv file: a line is read as sfv before the others
};

// The line without its line end (a CR before the LF is dropped too).
enum class LineKind { Code, Ignored, Malformed };
struct ParsedLine {
    LineKind kind;
    std::optional<ExpectedCode> code;  // with LineKind::Code
};
// Empty lines and comments ("#" anywhere, ";" in sfv files) are ignored.
ParsedLine ParseChecksumLine(std::string_view line, const LineRules& rules);

}  // namespace hashwell::cli
