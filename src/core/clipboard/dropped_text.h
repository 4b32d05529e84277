#pragma once

// A text file dropped onto the Text tab, read as the text the box is to show.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace hashwell::core {

// Larger files are not put into the text box: Qt's text box takes up to a quarter of a second
// per MiB to lay out a text without line breaks (bench/text_box_bench), so a larger file could
// hold the window for more than a second.
inline constexpr std::uint64_t kMaxDroppedTextSize = 4 * 1024 * 1024;

struct DroppedText {
    enum class Status {
        Read,
        Unreadable,  // missing, not a regular file, or not readable to its end
        TooLarge,    // larger than kMaxDroppedTextSize
    };
    Status status = Status::Unreadable;
    std::u16string text;
};

// The file's text by its byte-order mark, tested in this order: FF FE UTF-16LE (so FF FE 00 00
// too), EF BB BF UTF-8, FE FF UTF-16BE, 00 00 FE FF UTF-32BE; the mark itself is not part of
// the text. Without a mark, the system's text encoding (platform::DecodeSystemText). Only
// regular files are read, never part of one.
DroppedText ReadDroppedText(const platform::Path& path);

// The bytes of a file as that text; what ReadDroppedText does once it has read them.
std::u16string DecodeTextFile(std::string_view bytes);

}  // namespace hashwell::core
