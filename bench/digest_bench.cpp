// Throughput of every method beside OpenSSL's libcrypto (zlib for CRC-32) on the same
// buffers in the same run. On a shared machine the ratio is the figure that counts, so the
// run ends with a table of ratios: ours / reference, above 1 means faster than the reference.
//
// --without-avx512 makes every engine use its best kernel that needs no AVX-512, so that a
// machine with it also measures what a machine without it runs (set OPENSSL_ia32cap as
// scripts/bench.sh does to hold OpenSSL to the same).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "digest/active_kernels.h"
#include "digest/digest.h"
#include "digest/registry.h"
#include "digest/stitched/md5_sha1_sha256.h"
#include "support/oracle.h"

namespace {

using hashwell::test::kAllVariants;
using hashwell::test::Variant;

const std::vector<std::uint8_t>& Buffer(std::size_t size) {
    static std::map<std::size_t, std::vector<std::uint8_t>> buffers;
    auto& buffer = buffers[size];
    if (buffer.empty()) {
        buffer.resize(size);
        for (std::size_t i = 0; i < size; ++i) {
            buffer[i] = static_cast<std::uint8_t>(i * 31 + 7);
        }
    }
    return buffer;
}

void Ours(benchmark::State& state, Variant variant, std::size_t size) {
    const auto& buffer = Buffer(size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            hashwell::digest::ComputeDigest(variant.method, variant.bits, 0, buffer));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void Reference(benchmark::State& state, Variant variant, std::size_t size) {
    const auto& buffer = Buffer(size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(hashwell::test::OracleDigest(variant, buffer));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// MD5, SHA-1 and SHA-256 of the buffer at once, with the best stitched kernel...
constexpr const char* kStitched = "MD5+SHA1+SHA-256";

void OursStitched(benchmark::State& state, std::size_t size) {
    const auto& buffer = Buffer(size);
    std::uint8_t md5[16], sha1[20], sha256[32];
    for (auto _ : state) {
        hashwell::digest::Md5Sha1Sha256 all;
        all.Update(buffer.data(), buffer.size());
        all.Finish(md5, sha1, sha256);
        benchmark::DoNotOptimize(md5);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// ... and with the three kernels one after another over the same buffer.
void ThreeInTurn(benchmark::State& state, std::size_t size) {
    const auto& buffer = Buffer(size);
    for (auto _ : state) {
        for (const auto& [method, bits] : {std::pair{1, 0}, std::pair{3, 0}, std::pair{4, 256}}) {
            benchmark::DoNotOptimize(hashwell::digest::ComputeDigest(method, bits, 0, buffer));
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// BLAKE3 with one kernel chosen, so that each kernel the processor has is measured.
void OursWithKernel(benchmark::State& state, Variant variant, std::string kernel) {
    const std::string before(hashwell::digest::ActiveKernelName(variant.method, variant.bits));
    if (!hashwell::digest::SelectKernel(variant.engine, kernel)) {
        state.SkipWithError("this processor cannot run the kernel");
        return;
    }
    Ours(state, variant, std::size_t{1024} * 1024);
    hashwell::digest::SelectKernel(variant.engine, before);
}

const Variant& VariantNamed(const std::string& name) {
    for (const Variant& variant : kAllVariants) {
        if (variant.tag == name) {
            return variant;
        }
    }
    return kAllVariants[0];
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// Prints the usual table, then ours / reference for each method and buffer size: the ratio of
// the two sides' medians over --benchmark_repetitions, which --benchmark_enable_random_interleaving
// runs in turn with the other methods', so that a slow spell of the machine falls on both sides.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (run.run_type == Run::RT_Iteration && rate != run.counters.end()) {
                repetitions_[run.run_name.function_name].push_back(rate->second.value);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, rates] : repetitions_) {
            medians_[name] = Median(rates);
        }
        std::printf("\n%-10s %8s %9s %12s %12s %7s %7s\n", "method", "buffer", "kernel",
                    "ours MB/s", "ref MB/s", "ratio", "target");
        for (const auto& [name, ours] : medians_) {
            if (const auto kernel = name.find("/kernel-"); kernel != std::string::npos) {
                const auto portable = medians_.find(name.substr(0, kernel) + "/kernel-portable");
                std::printf(
                    "%-10s %8s %9s %12.0f %12s %7.2f %7s  (ratio: to the portable kernel)\n",
                    name.substr(0, name.find('/')).c_str(), "1MiB", name.substr(kernel + 8).c_str(),
                    ours / 1e6, "-", portable == medians_.end() ? 0.0 : ours / portable->second,
                    "-");
                continue;
            }
            const auto slash = name.rfind("/hashwell");
            if (slash == std::string::npos) {
                continue;
            }
            const std::string stem = name.substr(0, slash);
            const auto reference = medians_.find(stem + "/reference");
            if (reference == medians_.end() || reference->second <= 0) {
                continue;
            }
            const auto split = stem.find('/');
            const std::string method = stem.substr(0, split);
            if (method == kStitched) {  // beside the three kernels in turn
                std::printf(
                    "%-10s %8s %9s %12.0f %12.0f %7.2f %7.2f\n", method.c_str(),
                    stem.substr(split + 1).c_str(),
                    std::string(hashwell::digest::Md5Sha1Sha256Kernels().Active().name).c_str(),
                    ours / 1e6, reference->second / 1e6, ours / reference->second, 1.4);
                continue;
            }
            const Variant& variant = VariantNamed(method);
            // CRC-32 is measured against zlib's table code, the others against libcrypto.
            const double target = variant.method == 2 ? 3.0 : 0.95;
            std::printf(
                "%-10s %8s %9s %12.0f %12.0f %7.2f %7.2f\n", method.c_str(),
                stem.substr(split + 1).c_str(),
                std::string(hashwell::digest::ActiveKernelName(variant.method, variant.bits))
                    .c_str(),
                ours / 1e6, reference->second / 1e6, ours / reference->second, target);
        }
    }

private:
    std::map<std::string, std::vector<double>> repetitions_;
    std::map<std::string, double> medians_;
};

// Every engine's best kernel that runs without AVX-512; prints what it chose.
void SelectKernelsWithoutAvx512() {
    std::map<std::string_view, std::string_view> chosen;
    for (const hashwell::digest::KernelInfo& kernel : hashwell::digest::AllKernels()) {
        if (kernel.supported && !kernel.name.starts_with("avx512") &&
            chosen.emplace(kernel.engine, kernel.name).second) {
            hashwell::digest::SelectKernel(kernel.engine, kernel.name);
            std::printf("%s: %s\n", std::string(kernel.engine).c_str(),
                        std::string(kernel.name).c_str());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    hashwell::digest::RegisterDigestMethods();
    const auto flag = std::find(argv + 1, argv + argc, std::string_view("--without-avx512"));
    if (flag != argv + argc) {
        std::rotate(flag, flag + 1, argv + argc);
        --argc;
        std::printf("Kernels without AVX-512:\n");
        SelectKernelsWithoutAvx512();
    }
    for (const Variant& variant : kAllVariants) {
        for (const auto& [label, size] : {std::pair{"16KiB", std::size_t{16} * 1024},
                                          std::pair{"1MiB", std::size_t{1024} * 1024}}) {
            const std::string stem = std::string(variant.tag) + "/" + label;
            benchmark::RegisterBenchmark((stem + "/hashwell").c_str(), Ours, variant, size);
            // Only the window's eleven have a library beside them; BLAKE3's oracle is a program
            // (b3sum), whose start the time would mostly measure, and XXH3 is a library's own.
            if (variant.inAll) {
                benchmark::RegisterBenchmark((stem + "/reference").c_str(), Reference, variant,
                                             size);
            }
        }
    }
    for (const hashwell::digest::KernelInfo& kernel : hashwell::digest::AllKernels()) {
        if (kernel.engine == "BLAKE3" && kernel.supported) {
            const std::string name = "BLAKE3/1MiB/kernel-" + std::string(kernel.name);
            benchmark::RegisterBenchmark(name.c_str(), OursWithKernel, VariantNamed("BLAKE3"),
                                         std::string(kernel.name));
        }
    }
    const std::string stitched = std::string(kStitched) + "/1MiB";
    benchmark::RegisterBenchmark((stitched + "/hashwell").c_str(), OursStitched, 1024 * 1024);
    benchmark::RegisterBenchmark((stitched + "/reference").c_str(), ThreeInTurn, 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
