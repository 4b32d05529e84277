// SHA-512 compiled for BMI1/BMI2: rotates without flags and and-not for the choose function.

#include "digest/sha2_64/sha512_compress.h"
#include "digest/sha2_64/sha512_rounds.h"

namespace hashwell::digest {

void Sha512CompressBmi(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count) {
    Sha512Blocks(state, blocks, count);
}

}  // namespace hashwell::digest
