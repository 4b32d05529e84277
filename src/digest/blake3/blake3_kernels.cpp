#include "digest/blake3/blake3_compress.h"

namespace hashwell::digest {

KernelTable<Blake3Kernel>& Blake3Kernels() {
    static constexpr Kernel<Blake3Kernel> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"avx512",
         [] { return Cpu().avx512 && Cpu().avx2 && Cpu().sse41; },
         {&Blake3CompressAvx512, &Blake3HashManyAvx512, 16}},
        {"avx2",
         [] { return Cpu().avx2 && Cpu().sse41; },
         {&Blake3CompressSse41, &Blake3HashManyAvx2, 8}},
        {"sse41", [] { return Cpu().sse41; }, {&Blake3CompressSse41, &Blake3HashManySse41, 4}},
#endif
        {"portable", &AlwaysSupported, {&Blake3CompressPortable, &Blake3HashManyPortable, 1}},
    };
    static KernelTable<Blake3Kernel> table(kKernels);
    return table;
}

}  // namespace hashwell::digest
