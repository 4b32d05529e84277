#include "digest/active_kernels.h"

#include "digest/blake3/blake3_compress.h"
#include "digest/catalogue.h"
#include "digest/crc32/crc32_update.h"
#include "digest/md5/md5_compress.h"
#include "digest/sha1/sha1_compress.h"
#include "digest/sha2_32/sha256_compress.h"
#include "digest/sha2_64/sha512_compress.h"
#include "digest/sha3/keccak_permute.h"
#include "digest/stitched/md5_sha1_sha256_compress.h"

namespace hashwell::digest {
namespace {

// Calls visit(engineName, table) for every engine's kernel table.
template <class Visit>
void ForEachEngine(Visit&& visit) {
    visit("CRC32", Crc32Kernels());
    visit("MD5", Md5Kernels());
    visit("SHA1", Sha1Kernels());
    visit("SHA-256", Sha256Kernels());
    visit("SHA-512", Sha512Kernels());
    visit("SHA3", KeccakKernels());
    visit("BLAKE3", Blake3Kernels());
    visit(kStitchedEngine, Md5Sha1Sha256Kernels());
}

}  // namespace

std::string_view EngineOf(std::int32_t method, std::int32_t bits) {
    const Algorithm* algorithm = FindAlgorithm(method, bits);
    return algorithm != nullptr ? algorithm->engine : std::string_view();
}

std::vector<KernelInfo> AllKernels() {
    std::vector<KernelInfo> kernels;
    ForEachEngine([&](std::string_view engine, auto& table) {
        for (const auto& kernel : table.All()) {
            kernels.push_back({engine, kernel.name, kernel.supported()});
        }
    });
    return kernels;
}

std::string_view ActiveKernelName(std::int32_t method, std::int32_t bits) {
    const std::string_view wanted = EngineOf(method, bits);
    std::string_view name;
    ForEachEngine([&](std::string_view engine, auto& table) {
        if (engine == wanted) {
            name = table.Active().name;
        }
    });
    return name;
}

bool SelectKernel(std::string_view engine, std::string_view name) {
    bool selected = false;
    ForEachEngine([&](std::string_view candidate, auto& table) {
        if (candidate == engine) {
            selected = table.Select(name);
        }
    });
    return selected;
}

void SelectBestKernels() {
    ForEachEngine([](std::string_view, auto& table) { table.SelectBest(); });
}

}  // namespace hashwell::digest
