#pragma once

// The methods' registry rows, each bound to its engine.

#include "digest/digest_method.h"

namespace hashwell::digest {

DigestMethodEntry Crc32Method();
DigestMethodEntry Md5Method();
DigestMethodEntry Sha1Method();
DigestMethodEntry Sha2Method();
DigestMethodEntry Sha3Method();
DigestMethodEntry Blake3Method();
DigestMethodEntry Xxh3Method();
DigestMethodEntry Xxh128Method();

// The output size SHA2 and SHA3 compute for a requested size: 0 counts as 256; sizes other
// than 224, 256, 384 and 512 give 0 (not supported).
std::int32_t SupportedOutputBits(std::int32_t bits);

}  // namespace hashwell::digest
