#include "digest/blake3/blake3_compress.h"

namespace hashwell::digest {

KernelTable<Blake3Kernel>& Blake3Kernels() {
    static constexpr Kernel<Blake3Kernel> kKernels[] = {
        {"portable", &AlwaysSupported, {&Blake3CompressPortable, &Blake3HashManyPortable, 1}},
    };
    static KernelTable<Blake3Kernel> table(kKernels);
    return table;
}

}  // namespace hashwell::digest
