#pragma once

// The lines of a checksum file or of standard input, one at a time, so a file of any length is
// read in a buffer of fixed size.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace hashwell::checksums {

class LineReader {
public:
    // Fills the buffer as far as the source allows, below the size only at its end; nothing on
    // an error, with the reason.
    using Source = std::function<std::optional<std::size_t>(std::uint8_t* buffer, std::size_t size,
                                                            std::u16string* reason)>;
    // Lines longer than this are not kept: no checksum line comes near it.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    explicit LineReader(Source source);

    // The next line without its line feed (the last line may lack one); nothing at the end, or
    // when the source failed (then Failure() says why). A line that was too long comes back
    // empty with TooLong() true.
    std::optional<std::string> Next();
    bool TooLong() const { return tooLong_; }
    const std::u16string& Failure() const { return failure_; }

private:
    bool Refill();

    Source source_;
    std::string buffer_;
    std::size_t start_ = 0;  // where the unread bytes of the buffer begin
    bool ended_ = false;
    bool tooLong_ = false;
    std::u16string failure_;
};

}  // namespace hashwell::checksums
