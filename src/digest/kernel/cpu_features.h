#pragma once

// What this processor offers the accelerated kernels.

namespace hashwell::digest {

// The instruction-set extensions the accelerated kernels use, as this processor and the
// operating system offer them (AVX registers count only when the system saves them).
struct CpuFeatures {
    bool ssse3 = false;
    bool sse41 = false;
    bool pclmul = false;
    bool sha = false;
    bool avx2 = false;
    bool bmi1 = false;
    bool bmi2 = false;
    bool vpclmul = false;
    bool avx512 = false;  // the foundation and the 128/256-bit forms (F and VL)
};

// Read once, on first use.
const CpuFeatures& Cpu();

// The environment variable that, set to anything but "0", makes every method use its portable
// kernel for the whole run.
inline constexpr const char* kPortableKernelsVariable = "HASHWELL_PORTABLE_KERNELS";
bool PortableKernelsForced();

}  // namespace hashwell::digest
