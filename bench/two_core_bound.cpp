#include "two_core_bound.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "bench_files.h"
#include "digest/digest.h"
#include "digest/registry.h"

namespace hashwell::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds per byte of one method's kernel on a buffer in memory of the files' size: the best
// of five tries of 0.1 s, as digest_bench measures it.
double SecondsPerByte(std::int32_t method, std::int32_t bits, std::size_t size) {
    std::vector<std::uint8_t> buffer(size);
    for (std::size_t i = 0; i < size; ++i) {
        buffer[i] = static_cast<std::uint8_t>(i * 31 + 7);
    }
    double best = 1e30;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const auto start = Clock::now();
        std::uint64_t bytes = 0;
        while (Since(start) < 0.1) {
            digest::ComputeDigest(method, bits, 0, buffer);
            bytes += size;
        }
        best = std::min(best, Since(start) / static_cast<double>(bytes));
    }
    return best;
}

}  // namespace

TwoCoreBound MeasureTwoCoreBound(const std::vector<std::filesystem::path>& files) {
    digest::RegisterDigestMethods();
    std::uint64_t total = 0;
    for (const auto& file : files) {
        total += std::filesystem::file_size(file);
    }
    const std::size_t each = files.empty() ? 1 : static_cast<std::size_t>(total / files.size());
    TwoCoreBound bound{0, 1e30};
    for (const auto& [method, bits] : {std::pair{2, 0}, {1, 0}, {3, 0}, {4, 256}, {5, 256}}) {
        bound.kernels += SecondsPerByte(method, bits, each) * static_cast<double>(total);
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        bound.read = std::min(bound.read, ReadAll(files));
    }
    return bound;
}

}  // namespace hashwell::bench
