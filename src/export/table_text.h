#pragma once

// A table of texts (the file grid: column titles and rows of cells) as the text of a CSV or
// TSV file, and that text as the file's bytes.

#include <string>
#include <string_view>
#include <vector>

namespace hashwell::exporting {

enum class TableFormat {
    Csv,  // every field between double quotes, a quote inside doubled (RFC 4180), ","
    Tsv,  // fields separated by a tab; a tab inside becomes four spaces, a line break a space
};

struct Table {
    std::vector<std::u16string> titles;
    std::vector<std::vector<std::u16string>> rows;  // each as many cells as there are titles
};

// The header line and one line per row, in order, each ended by CR LF (the last one too), so
// that the file travels between systems unchanged. A CSV field keeps its line breaks inside
// its quotes.
std::u16string TableText(const Table& table, TableFormat format);

// One line of such a table, with its line end: for writing a table row by row.
std::u16string TableLine(const std::vector<std::u16string>& fields, TableFormat format);

enum class TextEncoding {
    AnsiCodePage,  // Windows-1252 on POSIX systems; characters it cannot hold become "?"
    Utf8,
    Utf16LittleEndian,
};

// The text's bytes, without a byte-order mark.
std::string EncodeText(std::u16string_view text, TextEncoding encoding);

}  // namespace hashwell::exporting
