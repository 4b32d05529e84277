#pragma once

// A table of texts (the file grid: column titles and rows of cells) as the text of a CSV or
// TSV file.

#include <string>
#include <string_view>
#include <vector>

namespace hashwell::exporting {

// The two export formats, numbered as the window's export commands are.
enum class TableFormat {
    Csv = 1,  // every field between double quotes, a quote inside doubled (RFC 4180), ","
    Tsv = 2,  // fields separated by a tab; a tab inside becomes four spaces, a line break a space
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
}  // namespace hashwell::exporting
