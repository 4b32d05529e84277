#pragma once

// The code of a whole file, read in pieces.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace hashwell::digest {

// Files are read in pieces of this size, into a small ring of buffers whatever their length.
inline constexpr std::size_t kFileReadBufferSize = 1024 * 1024;

// The lowercase hex code of the whole content of a regular file, or the empty text when it
// is not a regular file, cannot be opened or read to its end, the buffer cannot be had, the
// method is not registered or the size not supported; then `reason`, when given, says why (in
// the system's words where the system said it). Neither a read error nor a file that changes
// while it is read ever yields the code of part of the file.
std::string HashFile(const platform::Path& path, std::int32_t method, std::int32_t bits,
                     std::u16string* reason = nullptr);

// Why a code could not be computed when nothing more precise is known: the method or size is
// not one the engine knows, or memory was short.
inline constexpr std::u16string_view kCannotCompute = u"The code cannot be computed";

}  // namespace hashwell::digest
