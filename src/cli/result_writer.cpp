#include "cli/result_writer.h"

#include "checksums/checksum_line.h"
#include "export/table_text.h"
#include "platform/text_encoding.h"
#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

std::string Uppercase(std::string_view hex) {
    std::string upper(hex);
    for (char& c : upper) {
        c = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return upper;
}

void WriteTableLine(Console& console, const std::vector<std::u16string>& fields,
                    exporting::TableFormat format) {
    console.Out(
        platform::EncodeText(exporting::TableLine(fields, format), platform::TextEncoding::Utf8));
}

}  // namespace

ResultWriter::ResultWriter(const Options& options, Console& console)
    : options_(options), console_(console) {
    if (options.format == OutputFormat::Table) {
        std::vector<std::u16string> titles{u"File Name"};
        for (const Algorithm& algorithm : options.algorithms) {
            titles.emplace_back(algorithm.title);
        }
        WriteTableLine(console_, titles, options_.table);
    }
}

bool ResultWriter::Write(std::string_view name, std::u16string_view shownName,
                         const digest::Codes& codes) {
    auto shown = [&](const std::string& code) { return options_.upper ? Uppercase(code) : code; };
    const bool alone = options_.algorithms.size() == 1;
    checksums::LineStyle style{options_.binary, options_.zero};
    if (alone) {
        style.escapeTriggers = options_.algorithms[0].peerLines.escapeTriggers;
    }
    std::string lines;
    switch (options_.format) {
        case OutputFormat::Gnu:
            for (const std::string& code : codes) {
                lines += checksums::GnuLine(shown(code), name, style);
            }
            break;
        case OutputFormat::Bsd:
            for (std::size_t i = 0; i < codes.size(); ++i) {
                lines += checksums::BsdLine(options_.algorithms[i], shown(codes[i]), name, style);
            }
            break;
        case OutputFormat::Sfv: {
            // SFV files carry their codes in upper case, as the tools that made the form do.
            std::optional<std::string> line = checksums::SfvLine(Uppercase(codes.at(0)), name);
            if (!line) {
                return false;
            }
            lines = std::move(*line);
            break;
        }
        case OutputFormat::Table: {
            std::vector<std::u16string> fields{platform::ReadableText(shownName)};
            for (const std::string& code : codes) {
                fields.push_back(platform::AsciiToUtf16(shown(code)));
            }
            WriteTableLine(console_, fields, options_.table);
            return true;
        }
    }
    console_.Out(lines);
    return true;
}

}  // namespace hashwell::cli
