#include "cli/hash_command.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "cli/progress.h"
#include "cli/quoted_name.h"
#include "cli/result_writer.h"
#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/text_digest.h"
#include "platform/file_walk.h"
#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

// Files are handed to the hasher this many at a time, so memory does not grow with their number.
constexpr std::size_t kBatchSize = 1024;
constexpr std::chrono::milliseconds kPollEvery{50};

std::vector<digest::AlgorithmId> HashAlgorithms(const Options& options) {
    std::vector<digest::AlgorithmId> algorithms;
    for (const Algorithm& algorithm : options.algorithms) {
        algorithms.push_back(algorithm.id);
    }
    return algorithms;
}

bool Complete(const digest::Codes& codes) {
    return std::none_of(codes.begin(), codes.end(),
                        [](const std::string& code) { return code.empty(); });
}

// The sizes of the operands, when they can all be told before the walk.
std::optional<std::uint64_t> KnownTotal(const Options& options) {
    if (options.recursive) {
        return std::nullopt;
    }
    std::uint64_t total = 0;
    for (const platform::Path& operand : options.operands) {
        total += operand == u"-" ? 0 : platform::RegularFileSize(operand).value_or(0);
    }
    return total;
}

class FileHashing {
public:
    FileHashing(const Options& options, Console& console)
        : options_(options),
          console_(console),
          writer_(options, console),
          progress_(console),
          total_(KnownTotal(options)) {}

    int Run() {
        std::vector<platform::Path> operands = options_.operands;
        if (operands.empty()) {
            operands.push_back(u"-");
        }
        platform::FileWalk walk(std::move(operands), options_.recursive, options_.followLinks);
        std::optional<platform::WalkItem> next = walk.Next();
        while (next) {
            if (next->kind == platform::WalkItem::Kind::StandardInput) {
                HashStandardInput();
                next = walk.Next();
                continue;
            }
            // A batch ends before standard input, which is read on this thread in its turn.
            std::vector<platform::WalkItem> batch;
            while (next && next->kind != platform::WalkItem::Kind::StandardInput &&
                   batch.size() < kBatchSize) {
                batch.push_back(std::move(*next));
                next = walk.Next();
            }
            HashBatch(batch);
        }
        console_.Flush();
        return failed_ ? 1 : 0;
    }

private:
    void Failed(const platform::Path& path, std::u16string_view reason) {
        console_.Message(
            QuotedName(platform::EncodeNativeBytes(path)) + ": " +
            platform::EncodeNativeBytes(reason.empty() ? digest::kCannotCompute : reason));
        failed_ = true;
    }

    void Print(const platform::Path& path, const digest::Codes& codes) {
        if (!writer_.Write(platform::EncodeNativeBytes(path), path, codes)) {
            Failed(path,
                   u"An SFV line cannot hold this name: it has a line break, begins with ';' or "
                   u"'#', or ends in a blank");
        }
    }

    void HashBatch(const std::vector<platform::WalkItem>& batch) {
        std::vector<digest::HashJob> jobs;
        for (const platform::WalkItem& item : batch) {
            if (item.kind == platform::WalkItem::Kind::File) {
                jobs.push_back({item.path, HashAlgorithms(options_), item.named});
            }
        }
        digest::ListHasher hasher(std::move(jobs), options_.jobs);
        std::size_t job = 0;
        for (const platform::WalkItem& item : batch) {
            if (item.kind == platform::WalkItem::Kind::Error) {
                Failed(item.path, item.reason);
                continue;
            }
            while (!hasher.IsDone(job)) {
                console_.Flush();  // a reader of the pipe sees each line once it is known
                hasher.WaitFor(kPollEvery);
                progress_.Update(bytesBefore_ + hasher.BytesDone(), total_);
            }
            const digest::Codes& codes = hasher.CodesOf(job);
            if (Complete(codes)) {
                Print(item.path, codes);
            } else {
                Failed(item.path, hasher.FailureOf(job));
            }
            ++job;
        }
        hasher.WaitFor(std::chrono::hours(1));
        bytesBefore_ += hasher.BytesDone();
    }

    void HashStandardInput() {
        const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow)
                                                         std::uint8_t[digest::kFileReadBufferSize]);
        std::vector<std::unique_ptr<digest::DigestStream>> streams;
        for (const Algorithm& algorithm : options_.algorithms) {
            streams.push_back(
                std::make_unique<digest::DigestStream>(algorithm.method, algorithm.bits, 0));
        }
        if (!buffer) {
            Failed(u"-", u"Not enough memory");
            return;
        }
        std::u16string reason;
        for (;;) {
            const std::optional<std::size_t> got =
                platform::ReadStandardInput(buffer.get(), digest::kFileReadBufferSize, &reason);
            if (!got) {
                Failed(u"-", reason);
                return;
            }
            for (const std::unique_ptr<digest::DigestStream>& stream : streams) {
                stream->Add({buffer.get(), *got});
            }
            bytesBefore_ += *got;
            progress_.Update(bytesBefore_, total_);
            if (*got < digest::kFileReadBufferSize) {
                break;
            }
        }
        digest::Codes codes;
        for (const std::unique_ptr<digest::DigestStream>& stream : streams) {
            codes.push_back(stream->Finish());
        }
        if (Complete(codes)) {
            Print(u"-", codes);
        } else {
            Failed(u"-", {});
        }
    }

    const Options& options_;
    Console& console_;
    ResultWriter writer_;
    Progress progress_;
    std::optional<std::uint64_t> total_;
    std::uint64_t bytesBefore_ = 0;  // the bytes of the batches before this one
    bool failed_ = false;
};

}  // namespace

int HashFiles(const Options& options, Console& console) {
    return FileHashing(options, console).Run();
}

int HashText(const Options& options, Console& console) {
    const std::string& message = *options.message;
    std::optional<std::string> bytes = message;  // UTF-8: the bytes as given
    if (options.textFormat != digest::TextFormat::Utf8) {
        if (!platform::IsValidUtf8(message)) {
            console.Message("the text is not valid UTF-8, so it has no form in that encoding");
            return 1;
        }
        const std::u16string text = platform::Utf8ToUtf16(message);
        bytes = options.textFormat == digest::TextFormat::Ascii
                    ? platform::ToAnsiCodePageExactly(text)
                    : digest::TextToBytes(text, options.textFormat);
        if (!bytes) {
            console.Message("the text holds characters that the ANSI code page cannot hold");
            return 1;
        }
    }
    digest::Codes codes;
    for (const Algorithm& algorithm : options.algorithms) {
        constexpr int kFromText = 1;
        codes.push_back(digest::ComputeDigest(algorithm.method, algorithm.bits, kFromText,
                                              digest::AsBytes(*bytes)));
    }
    // A text is named by itself, in double quotes, where a line needs a name.
    const std::string name = '"' + message + '"';
    const bool table = options.format == OutputFormat::Table;
    ResultWriter writer(options, console);
    if (!Complete(codes) ||
        !writer.Write(name, platform::DecodeNativeBytes(table ? message : name), codes)) {
        console.Message("the text cannot be hashed in this form");
        return 1;
    }
    console.Flush();
    return 0;
}

}  // namespace hashwell::cli
