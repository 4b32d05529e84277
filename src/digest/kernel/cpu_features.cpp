#include "digest/kernel/cpu_features.h"

#include <cstdlib>
#include <string_view>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#define HASHWELL_X86_CPUID 1
#endif

namespace hashwell::digest {
namespace {

#ifdef HASHWELL_X86_CPUID
// The register state the operating system saves on a task switch.
unsigned int SavedState() {
    unsigned int low = 0;
    unsigned int high = 0;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return low;
}

bool SystemSavesAvxState() {
    return (SavedState() & 0x6) == 0x6;  // SSE and AVX
}

bool SystemSavesAvx512State() {
    return (SavedState() & 0xE6) == 0xE6;  // and the mask registers and all 32 wide registers
}

CpuFeatures Detect() {
    CpuFeatures cpu;
    unsigned int a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) {
        return cpu;
    }
    cpu.ssse3 = (c & bit_SSSE3) != 0;
    cpu.sse41 = (c & bit_SSE4_1) != 0;
    cpu.pclmul = (c & bit_PCLMUL) != 0;
    const bool avx = (c & bit_OSXSAVE) != 0 && (c & bit_AVX) != 0 && SystemSavesAvxState();
    if (__get_cpuid_count(7, 0, &a, &b, &c, &d)) {
        cpu.sha = (b & bit_SHA) != 0;
        cpu.bmi1 = (b & bit_BMI) != 0;
        cpu.bmi2 = (b & bit_BMI2) != 0;
        cpu.avx2 = avx && (b & bit_AVX2) != 0;
        cpu.vpclmul = cpu.avx2 && (c & bit_VPCLMULQDQ) != 0;
        cpu.avx512 =
            avx && (b & bit_AVX512F) != 0 && (b & bit_AVX512VL) != 0 && SystemSavesAvx512State();
    }
    return cpu;
}
#else
CpuFeatures Detect() {
    return {};
}
#endif

}  // namespace

const CpuFeatures& Cpu() {
    static const CpuFeatures features = Detect();
    return features;
}

bool PortableKernelsForced() {
    const char* value = std::getenv(kPortableKernelsVariable);
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

}  // namespace hashwell::digest
