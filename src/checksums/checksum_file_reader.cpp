#include "checksums/checksum_file_reader.h"

#include "checksums/checksum_file_name.h"
#include "checksums/listed_name.h"

namespace hashwell::checksums {
namespace {

LineRules RulesFor(const platform::Path& fileName, std::span<const digest::Algorithm> allowed,
                   std::span<const digest::Algorithm> named) {
    LineRules rules;
    rules.allowed = allowed;
    rules.named = named;
    rules.sfvFirst = !fileName.empty() && IsSfvFileName(fileName);
    return rules;
}

}  // namespace

ChecksumFileReader::ChecksumFileReader(LineReader::Source source, const platform::Path& fileName,
                                       std::span<const digest::Algorithm> allowed,
                                       platform::Path folder)
    : named_(fileName.empty() ? std::vector<digest::Algorithm>() : AlgorithmsNamedByFile(fileName)),
      parser_(RulesFor(fileName, allowed, named_)),
      lines_(std::move(source)),
      folder_(std::move(folder)) {}

std::optional<ListedLine> ChecksumFileReader::Next() {
    std::optional<std::string> line = lines_.Next();
    if (!line) {
        return std::nullopt;
    }
    ListedLine listed{
        ++number_,
        lines_.TooLong() ? ParsedLine{LineKind::Malformed, std::nullopt} : parser_.Parse(*line),
        {}};
    if (listed.parsed.kind == LineKind::Code) {
        listed.path = ResolveListedName(folder_, listed.parsed.code->name);
    }
    return listed;
}

}  // namespace hashwell::checksums
