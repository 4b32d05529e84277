#include "cli/console.h"

#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

constexpr std::size_t kFlushSize = 64 * 1024;
constexpr std::string_view kProgram = "hashwell-cli: ";

}  // namespace

Console::Console() : terminal_(platform::StandardErrorIsTerminal()) {}

Console::~Console() {
    ClearProgress();
    Flush();
}

void Console::Out(std::string_view bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= kFlushSize) {
        Flush();
    }
}

bool Console::Flush() {
    if (!writeFailure_.empty()) {
        buffer_.clear();  // nothing more can go out
        return false;
    }
    if (buffer_.empty()) {
        return true;
    }
    ClearProgress();  // a terminal shows both streams on the same lines
    std::u16string reason;
    const bool written = platform::WriteStandardOutput(buffer_, &reason);
    buffer_.clear();
    if (!written) {
        writeFailure_ = platform::EncodeNativeBytes(reason);
        if (writeFailure_.empty()) {
            writeFailure_ = "unknown error";
        }
    }
    return written;
}

void Console::Message(std::string_view message) {
    Flush();  // what was printed before the message comes before it, as on a terminal
    ClearProgress();
    platform::WriteStandardError(std::string(kProgram) + std::string(message) + '\n');
}

void Console::ShowProgress(std::string_view line) {
    if (!terminal_) {
        return;
    }
    std::string drawn = '\r' + std::string(line);
    if (line.size() < progressLength_) {
        drawn += std::string(progressLength_ - line.size(), ' ');
    }
    platform::WriteStandardError(drawn);
    progressLength_ = std::max(progressLength_, line.size());
}

void Console::ClearProgress() {
    if (progressLength_ == 0) {
        return;
    }
    platform::WriteStandardError('\r' + std::string(progressLength_, ' ') + '\r');
    progressLength_ = 0;
}

}  // namespace hashwell::cli
