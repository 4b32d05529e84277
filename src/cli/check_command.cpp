#include "cli/check_command.h"

#include <optional>

#include "cli/checksum_line.h"
#include "cli/line_reader.h"
#include "cli/paths.h"
#include "cli/progress.h"
#include "cli/quoted_name.h"
#include "digest/list_hasher.h"
#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

// Listed files are handed to the hasher this many at a time, so memory does not grow with them.
constexpr std::size_t kBatchSize = 1024;
constexpr std::chrono::milliseconds kPollEvery{50};

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

bool IsSfvFile(const platform::Path& path) {
    if (path.size() < 4) {
        return false;
    }
    std::u16string extension = path.substr(path.size() - 4);
    for (char16_t& c : extension) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return extension == u".sfv";
}

// A listed file: what its line expects, and where it is.
struct Listed {
    ExpectedCode expected;
    platform::Path path;
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
        LineReader::Source source = platform::ReadStandardInput;
        if (!standardInput) {
            std::u16string reason;
            file = platform::ReadOnlyFile::OpenFileOrPipe(checksumFile, &reason);
            if (!file) {
                Message(QuotedName(shownFile_) + ": " + platform::EncodeNativeBytes(reason));
                return false;
            }
            source = [&file](std::uint8_t* buffer, std::size_t size, std::u16string* reason) {
                return file->Read(buffer, size, reason);
            };
        }
        LineRules rules;
        rules.allowed = options_.algorithmsNamed ? std::span<const Algorithm>(options_.algorithms)
                                                 : std::span<const Algorithm>();
        rules.sfvFirst = !standardInput && IsSfvFile(checksumFile);
        // The names in an SFV file are relative to the file's own folder.
        const platform::Path base = rules.sfvFirst ? FolderPart(checksumFile) : platform::Path();

        LineReader lines(source);
        std::vector<Listed> batch;
        std::size_t lineNumber = 0;
        while (std::optional<std::string> line = lines.Next()) {
            ++lineNumber;
            ParsedLine parsed = lines.TooLong() ? ParsedLine{LineKind::Malformed, std::nullopt}
                                                : ParseChecksumLine(*line, rules);
            if (parsed.kind == LineKind::Malformed) {
                ++tally_.malformed;
                if (options_.warn) {
                    Message(QuotedName(shownFile_) + ": " + std::to_string(lineNumber) +
                            ": improperly formatted checksum line");
                }
            } else if (parsed.kind == LineKind::Code) {
                ++tally_.codeLines;
                platform::Path path = platform::DecodeNativeBytes(parsed.code->name);
                if (!base.empty() && !IsAbsolutePath(path)) {
                    path = JoinPath(base, path);
                }
                batch.push_back({std::move(*parsed.code), std::move(path)});
                if (batch.size() == kBatchSize) {
                    CheckBatch(batch);
                    batch.clear();
                }
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
        if (!options_.status) {
            console_.Out(ResultName(name) + ": " + std::string(verdict) + '\n');
        }
    }

    void CheckBatch(const std::vector<Listed>& batch) {
        std::vector<digest::HashJob> jobs;
        jobs.reserve(batch.size());
        for (const Listed& listed : batch) {
            jobs.push_back({listed.path, {listed.expected.algorithm.hash}});
        }
        digest::ListHasher hasher(std::move(jobs), options_.jobs);
        for (std::size_t job = 0; job < batch.size(); ++job) {
            while (!hasher.IsDone(job)) {
                console_.Flush();
                hasher.WaitFor(kPollEvery);
                progress_.Update(bytesBefore_ + hasher.BytesDone(), std::nullopt);
            }
            const Listed& listed = batch[job];
            const std::string& code = hasher.CodesOf(job).front();
            if (code.empty()) {
                if (options_.ignoreMissing && !platform::PathExists(listed.path)) {
                    continue;
                }
                const std::u16string& reason = hasher.FailureOf(job);
                Message(QuotedName(listed.expected.name) + ": " +
                        platform::EncodeNativeBytes(reason.empty() ? u"Cannot be read" : reason));
                ++tally_.unreadable;
                Result(listed.expected.name, "FAILED open or read");
                continue;
            }
            ++tally_.verified;
            if (code == listed.expected.hex) {
                if (!options_.quiet) {
                    Result(listed.expected.name, "OK");
                }
            } else {
                ++tally_.mismatched;
                Result(listed.expected.name, "FAILED");
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
        if (!options_.status) {
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
