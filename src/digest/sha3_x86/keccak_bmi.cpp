// Keccak-f[1600] compiled for BMI1/BMI2: and-not for chi and rotate-without-flags for rho.

#include "digest/sha3/keccak_permute.h"
#include "digest/sha3/keccak_rounds.h"

namespace hashwell::digest {

void KeccakPermuteBmi(std::uint64_t* lanes) {
    KeccakRounds(lanes);
}

}  // namespace hashwell::digest
