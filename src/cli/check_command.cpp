#include "cli/check_command.h"

#include <optional>

#include "checksums/checksum_file_name.h"
#include "checksums/checksum_file_reader.h"
#include "cli/progress.h"
#include "cli/quoted_name.h"
#include "digest/list_hasher.h"
#include "platform/path_parts.h"
#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

using checksums::ExpectedCode;
using checksums::LineKind;
using checksums::ParsedLine;

// Listed files are handed to the hasher this many at a time, so memory does not grow with them.
constexpr std::size_t kBatchSize = 1024;
constexpr std::chrono::milliseconds kPollEvery{50};

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// The name as a verification result shows it, as coreutils shows it: escaped as a gnu line
// escapes it, with a backslash in front, when it holds a line feed; as it is otherwise.
std::string ResultName(std::string_view name) {
    if (name.find('\n') != std::string_view::npos) {
        return '\\' + checksums::EscapeName(name);
    }
    return std::string(name);
}

// A listed file (what its line expects, and where it is), or the warning about a line that is
// not a checksum line, printed in its turn among the results.
struct Listed {
    std::optional<ExpectedCode> expected;
    platform::Path path;
    std::string warning;
};

// The counts a checksum file's summary reports.
struct Tally {
    std::size_t codeLines = 0;
    std::size_t malformed = 0;
    std::size_t unreadable = 0;
    std::size_t mismatched = 0;
    std::size_t verified = 0;  // files read and compared, matching or not
};

class ChecksumFileCheck {
public:
    ChecksumFileCheck(const Options& options, Console& console, Progress& progress)
        : options_(options), console_(console), progress_(progress) {}

    // Checks one checksum file; false when anything failed.
    bool Run(const platform::Path& checksumFile) {
        const bool standardInput = checksumFile == u"-";
        shownFile_ = standardInput ? std::string("standard input")
                                   : platform::EncodeNativeBytes(checksumFile);
        std::optional<platform::ReadOnlyFile> file;
        checksums::LineReader::Source source = platform::ReadStandardInput;
        if (!standardInput) {
            std::u16string reason;
            file = platform::ReadOnlyFile::OpenFileOrStream(checksumFile, &reason);
            if (!file) {
                Message(QuotedName(shownFile_) + ": " + platform::EncodeNativeBytes(reason));
                return false;
            }
            source = [&file](std::uint8_t* buffer, std::size_t size, std::u16string* reason) {
                return file->Read(buffer, size, reason);
            };
        }
        // The names are relative to the current folder, as sha256sum reads them, except in an
        // SFV file, where they are relative to the file's own folder.
        const platform::Path fileName = standardInput ? platform::Path() : checksumFile;
        const platform::Path folder = !standardInput && checksums::IsSfvFileName(checksumFile)
                                          ? platform::FolderPart(checksumFile)
                                          : platform::Path();
        checksums::ChecksumFileReader lines(source, fileName,
                                            options_.algorithmsNamed
                                                ? std::span<const Algorithm>(options_.algorithms)
                                                : std::span<const Algorithm>(),
                                            folder);
        // A warning names the algorithm -a gives, else that of the last checksum line before it.
        std::string_view lastTag;
        if (options_.algorithmsNamed && options_.algorithms.size() == 1) {
            lastTag = options_.algorithms[0].tag;
        }
        std::vector<Listed> batch;
        while (std::optional<checksums::ListedLine> line = lines.Next()) {
            ParsedLine& parsed = line->parsed;
            if (parsed.kind == LineKind::Malformed) {
                ++tally_.malformed;
                if (options_.report == CheckReport::Warn) {
                    const std::string algorithm = lastTag.empty() ? "" : std::string(lastTag) + " ";
                    batch.push_back({std::nullopt,
                                     {},
                                     QuotedName(shownFile_) + ": " + std::to_string(line->number) +
                                         ": improperly formatted " + algorithm + "checksum line"});
                }
            } else if (parsed.kind == LineKind::Code) {
                ++tally_.codeLines;
                if (!options_.algorithmsNamed || options_.algorithms.size() != 1) {
                    lastTag = parsed.code->algorithm.tag;
                }
                batch.push_back({std::move(*parsed.code), std::move(line->path), {}});
            }
            if (batch.size() == kBatchSize) {
                CheckBatch(batch);
                batch.clear();
            }
        }
        CheckBatch(batch);
        bool good = true;
        if (!lines.Failure().empty()) {
            Message(QuotedName(shownFile_) + ": " + platform::EncodeNativeBytes(lines.Failure()));
            good = false;
        }
        return Summarize() && good;
    }

private:
    void Message(const std::string& text) { console_.Message(text); }

    void Result(const std::string& name, std::string_view verdict) {
        if (options_.report != CheckReport::Status) {
            console_.Out(ResultName(name) + ": " + std::string(verdict) + '\n');
        }
    }

    void CheckBatch(const std::vector<Listed>& batch) {
        std::vector<digest::HashJob> jobs;
        jobs.reserve(batch.size());
        for (const Listed& listed : batch) {
            if (listed.expected) {
                // A file named in a checksum file is named explicitly: a pipe there is read.
                jobs.push_back({listed.path, {listed.expected->algorithm.id}, true});
            }
        }
        digest::ListHasher hasher(std::move(jobs), options_.jobs);
        std::size_t job = 0;
        for (const Listed& listed : batch) {
            if (!listed.expected) {
                Message(listed.warning);
                continue;
            }
            while (!hasher.IsDone(job)) {
                console_.Flush();
                hasher.WaitFor(kPollEvery);
                progress_.Update(bytesBefore_ + hasher.BytesDone(), std::nullopt);
            }
            const ExpectedCode& expected = *listed.expected;
            const std::string& code = hasher.CodesOf(job).front();
            const std::u16string& reason = hasher.FailureOf(job);
            ++job;
            if (code.empty()) {
                if (options_.ignoreMissing && !platform::PathExists(listed.path)) {
                    continue;
                }
                Message(QuotedName(expected.name) + ": " +
                        platform::EncodeNativeBytes(reason.empty() ? u"Cannot be read" : reason));
                ++tally_.unreadable;
                Result(expected.name, "FAILED open or read");
                continue;
            }
            ++tally_.verified;
            if (code == expected.hex) {
                if (options_.report != CheckReport::Quiet) {
                    Result(expected.name, "OK");
                }
            } else {
                ++tally_.mismatched;
                Result(expected.name, "FAILED");
            }
        }
        hasher.WaitFor(std::chrono::hours(1));
        bytesBefore_ += hasher.BytesDone();
    }

    // The warnings at the end of a checksum file; false when it failed.
    bool Summarize() {
        console_.Flush();  // the results come before their summary
        if (tally_.codeLines == 0) {
            Message(QuotedName(shownFile_) + ": no properly formatted checksum lines found");
            return false;
        }
        if (options_.report != CheckReport::Status) {
            if (tally_.malformed > 0) {
                Message("WARNING: " + Plural(tally_.malformed, "line is", "lines are") +
                        " improperly formatted");
            }
            if (tally_.unreadable > 0) {
                Message("WARNING: " +
                        Plural(tally_.unreadable, "listed file could", "listed files could") +
                        " not be read");
            }
            if (tally_.mismatched > 0) {
                Message("WARNING: " +
                        Plural(tally_.mismatched, "computed checksum", "computed checksums") +
                        " did NOT match");
            }
        }
        if (options_.ignoreMissing && tally_.verified == 0) {
            Message(QuotedName(shownFile_) + ": no file was verified");
            return false;
        }
        return tally_.unreadable == 0 && tally_.mismatched == 0 &&
               !(options_.strict && tally_.malformed > 0);
    }

    const Options& options_;
    Console& console_;
    Progress& progress_;
    std::string shownFile_;
    Tally tally_;
    std::uint64_t bytesBefore_ = 0;
};

}  // namespace

int CheckFiles(const Options& options, Console& console) {
    std::vector<platform::Path> checksumFiles = options.operands;
    if (checksumFiles.empty()) {
        checksumFiles.push_back(u"-");
    }
    Progress progress(console);
    bool good = true;
    for (const platform::Path& checksumFile : checksumFiles) {
        good = ChecksumFileCheck(options, console, progress).Run(checksumFile) && good;
    }
    console.Flush();
    return good ? 0 : 1;
}

}  // namespace hashwell::cli
