#pragma once

// Which kernel computes each method, and the choice of another: for tests and benchmarks, which
// run every kernel this processor can run.

#include <cstdint>
#include <string_view>
#include <vector>

namespace hashwell::digest {

// The engines behind the methods: "CRC32", "MD5", "SHA1", "SHA-256" (SHA2 224 and 256),
// "SHA-512" (SHA2 384 and 512), "SHA3" and "BLAKE3"; and the one that computes MD5, SHA-1 and
// SHA-256 of the same bytes at once for the list run, kStitchedEngine. XXH3 and XXH128 are
// computed by the library libxxhash, without kernels of this program's own.
struct KernelInfo {
    std::string_view engine;
    std::string_view name;  // "portable", "shani", "pclmul", ...
    bool supported;         // whether this processor can run it
};

inline constexpr std::string_view kStitchedEngine = "MD5+SHA1+SHA-256";

// The engine that computes the method at that size; empty for an unknown method.
std::string_view EngineOf(std::int32_t method, std::int32_t bits);

// Every kernel of this build, each engine's best first and its portable one last.
std::vector<KernelInfo> AllKernels();

// The name of the kernel that computes the method at that size from now on; empty for an
// unknown method or one a library computes.
std::string_view ActiveKernelName(std::int32_t method, std::int32_t bits);

// Makes the named kernel compute the engine's contexts made from now on. False when there is
// no such kernel or this processor cannot run it; nothing changes then.
bool SelectKernel(std::string_view engine, std::string_view name);

// Back to the best kernel of every engine (the portable ones when they are forced).
void SelectBestKernels();

}  // namespace hashwell::digest
