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

#include "digest/catalogue.h"

namespace hashwell::checksums {

using digest::Algorithm;

enum class LineForm { Gnu, Bsd, Sfv };

// How lines are written besides their form.
struct LineStyle {
    bool binary = false;  // a gnu line marks its name with '*' (sha256sum -b), not a space
    bool zero = false;    // the line ends with NUL and the name is not escaped (sha256sum -z)
    // The characters of a name that make the line escaped; the backslashes and these are
    // then escaped. coreutils escapes all three; see digest::PeerLines for the others.
    std::string_view escapeTriggers = "\\\n\r";
};

// The lines of one file's code, each ended by a line feed; `name` and `hex` as bytes.
std::string GnuLine(std::string_view hex, std::string_view name, const LineStyle& style = {});
std::string BsdLine(const Algorithm& algorithm, std::string_view hex, std::string_view name,
                    const LineStyle& style = {});
// Nothing when the name would not read back from an SFV line: it holds a line break, begins
// like a comment (';' or '#') or ends in a blank.
std::optional<std::string> SfvLine(std::string_view hex, std::string_view name);

// The name with its backslashes, line feeds and carriage returns written as \\, \n and \r,
// as an escaped gnu or bsd line holds it (without the backslash that starts the line); only
// the line breaks among `escaped` are escaped.
std::string EscapeName(std::string_view name, std::string_view escaped = "\n\r");

// What a checksum line asks to verify.
struct ExpectedCode {
    LineForm form;
    Algorithm algorithm;
    std::string hex;   // lowercase
    std::string name;  // unescaped: the name's own bytes
};

// How the lines of one checksum file are read.
struct LineRules {
    // The algorithms a line may use (-a): a gnu line's by the length of its code, the first
    // that fits; a bsd line's must be named by its tag. When empty, a gnu line's algorithm is
    // the first of `named` whose code has its length, else the algorithm of that length, SHA-2
    // before SHA-3.
    std::span<const Algorithm> allowed;
    std::span<const Algorithm> named;  // told by the checksum file's name ("SHA3-256SUMS")
    bool sfvFirst = false;  // the file is an .sfv file: a line is read as sfv before the others
};

enum class LineKind { Code, Ignored, Malformed };
struct ParsedLine {
    LineKind kind;
    std::optional<ExpectedCode> code;  // with LineKind::Code
};

// The lines of one checksum file, in order. As in coreutils, the first untagged line decides
// for the whole file whether they are in the gnu form ("code  name", "code *name") or in the
// reversed form of the BSD tools ("code name", md5 -r), where a leading space or star belongs
// to the name; a line of the other form is malformed.
class ChecksumLineParser {
public:
    explicit ChecksumLineParser(const LineRules& rules) : rules_(rules) {}

    // The line without its line end (a CR before the LF is dropped too). Empty lines and
    // comments ("#" anywhere, ";" in sfv files) are ignored.
    ParsedLine Parse(std::string_view line);

private:
    std::optional<ExpectedCode> ParseUntagged(std::string_view line, bool escaped);

    LineRules rules_;
    enum class Form { Undecided, Gnu, Reversed } form_ = Form::Undecided;
};

}  // namespace hashwell::checksums
