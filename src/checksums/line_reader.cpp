#include "checksums/line_reader.h"

namespace hashwell::checksums {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

}  // namespace

LineReader::LineReader(Source source) : source_(std::move(source)) {}

bool LineReader::Refill() {
    if (ended_) {
        return false;
    }
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t before = buffer_.size();
    buffer_.resize(before + kReadSize);
    const std::optional<std::size_t> got =
        source_(reinterpret_cast<std::uint8_t*>(buffer_.data() + before), kReadSize, &failure_);
    buffer_.resize(before + got.value_or(0));
    ended_ = !got || *got < kReadSize;
    return got && *got > 0;
}

std::optional<std::string> LineReader::Next() {
    tooLong_ = false;
    std::size_t searched = start_;
    for (;;) {
        const std::size_t feed = buffer_.find('\n', searched);
        if (feed != std::string::npos) {
            std::string line = tooLong_ ? std::string() : buffer_.substr(start_, feed - start_);
            start_ = feed + 1;
            return line;
        }
        if (buffer_.size() - start_ > kLongestLine) {
            tooLong_ = true;  // drop what there is and look on for the line's end
            start_ = buffer_.size();
        }
        searched = buffer_.size() - start_;  // Refill moves the unread bytes to the front
        if (!Refill()) {
            if (!failure_.empty()) {
                return std::nullopt;
            }
            if (buffer_.size() == start_ && !tooLong_) {
                return std::nullopt;
            }
            std::string line = tooLong_ ? std::string() : buffer_.substr(start_);
            start_ = buffer_.size();
            return line;
        }
    }
}

}  // namespace hashwell::checksums
