#include "export/table_text.h"

#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::exporting {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

void AppendCsvField(std::u16string& out, std::u16string_view field) {
    out += u'"';
    for (const char16_t c : field) {
        if (c == u'"') {
            out += u'"';
        }
        out += c;
    }
    out += u'"';
}

void AppendTsvField(std::u16string& out, std::u16string_view field) {
    for (const char16_t c : field) {
        if (c == u'\t') {
            out += u"    ";
        } else if (c == u'\r' || c == u'\n') {
            out += u' ';  // a line break would split the row
        } else {
            out += c;
        }
    }
}

void AppendLine(std::u16string& out, const std::vector<std::u16string>& fields,
                TableFormat format) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (format == TableFormat::Csv) {
            if (i > 0) {
                out += u',';
            }
            AppendCsvField(out, fields[i]);
        } else {
            if (i > 0) {
                out += u'\t';
            }
            AppendTsvField(out, fields[i]);
        }
    }
    out += kLineEnd;
}

}  // namespace

std::u16string TableLine(const std::vector<std::u16string>& fields, TableFormat format) {
    std::u16string line;
    AppendLine(line, fields, format);
    return line;
}

std::u16string TableText(const Table& table, TableFormat format) {
    std::u16string text;
    AppendLine(text, table.titles, format);
    for (const std::vector<std::u16string>& row : table.rows) {
        AppendLine(text, row, format);
    }
    return text;
}

}  // namespace hashwell::exporting
