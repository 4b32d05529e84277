#pragma once

// The lines of one checksum file, one at a time, read with the rules its name tells, each
// checksum line with the file it names found against a folder given.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "checksums/checksum_line.h"
#include "checksums/line_reader.h"
#include "platform/platform.h"

namespace hashwell::checksums {

struct ListedLine {
    std::size_t number = 0;  // from 1
    ParsedLine parsed;       // a line too long to be a checksum line is malformed
    platform::Path path;     // with LineKind::Code: the file the line names
};

class ChecksumFileReader {
public:
    // `fileName`: the checksum file's name, which may tell the algorithms of untagged lines and
    // that it is an SFV file (empty for standard input); `allowed`: the algorithms a line may
    // use, all when empty; `folder`: what relative names are relative to (empty: the current
    // folder).
    ChecksumFileReader(LineReader::Source source, const platform::Path& fileName,
                       std::span<const digest::Algorithm> allowed, platform::Path folder);
    ChecksumFileReader(const ChecksumFileReader&) = delete;
    ChecksumFileReader& operator=(const ChecksumFileReader&) = delete;

    // The next line; nothing at the end or when the source failed (then Failure() says why).
    std::optional<ListedLine> Next();
    const std::u16string& Failure() const { return lines_.Failure(); }

private:
    std::vector<digest::Algorithm> named_;  // the rules' view of them lives as long as this
    ChecksumLineParser parser_;
    LineReader lines_;
    platform::Path folder_;
    std::size_t number_ = 0;
};

}  // namespace hashwell::checksums
