#pragma once

// What the help may hold, for the reader and for the window that trusts nothing it reads.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace hashwell::helpfile {

// The largest object (a page, a picture, the contents list) the help may hold: ample for a
// screenshot, and what either side of the reader keeps in memory at most per answer.
inline constexpr std::size_t kMaxObjectSize = std::size_t{8} << 20;

// The longest object name asked for; libchm holds names of at most 512 bytes.
inline constexpr std::size_t kMaxNameLength = 512;

// The length a help file declares for an object, when it can be true: never above
// kMaxObjectSize, and for an object stored as it is (not compressed), inside the file from its
// declared start. A compressed object may be larger than the file; the cap alone holds it.
// Nothing when the declaration cannot be true, so the file is damaged.
inline std::optional<std::size_t> CheckedObjectLength(std::uint64_t declared, std::uint64_t start,
                                                      bool compressed, std::uint64_t fileSize) {
    if (declared > kMaxObjectSize) {
        return std::nullopt;
    }
    if (!compressed && (declared > fileSize || start > fileSize - declared)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(declared);
}

}  // namespace hashwell::helpfile
