#include "digest/code_streams.h"

#include <algorithm>
#include <numeric>

#include "digest/digest_method.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// What hashing a byte costs each method, roughly: the inverse of its speed with the kernels
// of a current processor (SHA3-256 weighs as much as MD5, SHA-1 and SHA-256 together).
double CostOf(const HashAlgorithm& algorithm) {
    switch (algorithm.method) {
        case HashMethod::Crc32:
            return 0.05;
        case HashMethod::Md5:
            return 1.6;
        case HashMethod::Sha1:
            return 0.65;
        case HashMethod::Sha2:
            return algorithm.bits == 384 || algorithm.bits == 512 ? 1.55 : 0.7;
        case HashMethod::Sha3:
            return 0.01 * (algorithm.bits == 0 ? 256 : algorithm.bits) - 0.15;
        default:
            return 1.0;
    }
}

// MD5, SHA-1 and SHA-256 through the stitched kernel cost about as much as MD5 alone.
constexpr double kStitchedCost = 1.7;

bool IsSha256(const HashAlgorithm& algorithm) {
    return algorithm.method == HashMethod::Sha2 && (algorithm.bits == 256 || algorithm.bits == 0);
}

// Where among `which` the algorithms lie that the stitched engine computes together: MD5, SHA-1
// and SHA-256, in that order; nothing when one of them is missing.
std::optional<std::array<std::size_t, 3>> StitchedTrio(const std::vector<HashAlgorithm>& algorithms,
                                                       const std::vector<std::size_t>& which) {
    std::array<std::size_t, 3> trio{kNone, kNone, kNone};
    for (const std::size_t i : which) {
        const HashAlgorithm& a = algorithms[i];
        const int k = a.method == HashMethod::Md5    ? 0
                      : a.method == HashMethod::Sha1 ? 1
                      : IsSha256(a)                  ? 2
                                                     : -1;
        if (k >= 0 && trio[static_cast<std::size_t>(k)] == kNone) {
            trio[static_cast<std::size_t>(k)] = i;
        }
    }
    if (trio[0] == kNone || trio[1] == kNone || trio[2] == kNone) {
        return std::nullopt;
    }
    return trio;
}

bool StitchedKernelActive() {
    return Md5Sha1Sha256Kernels().Active().name != "separate";
}

}  // namespace

// The dearest first, each to the part that costs less so far; MD5, SHA-1 and SHA-256 count as
// one where the stitched kernel runs, at its cost.
void SplitByCost(const std::vector<HashAlgorithm>& algorithms, std::vector<std::size_t>& first,
                 std::vector<std::size_t>& second) {
    struct Unit {
        std::vector<std::size_t> members;
        double cost;
    };
    std::vector<std::size_t> all(algorithms.size());
    std::iota(all.begin(), all.end(), 0);
    const auto trio = StitchedKernelActive() ? StitchedTrio(algorithms, all) : std::nullopt;
    std::vector<Unit> units;
    if (trio) {
        units.push_back({{(*trio)[0], (*trio)[1], (*trio)[2]}, kStitchedCost});
    }
    for (const std::size_t i : all) {
        if (!trio || std::find(trio->begin(), trio->end(), i) == trio->end()) {
            units.push_back({{i}, CostOf(algorithms[i])});
        }
    }
    std::stable_sort(units.begin(), units.end(),
                     [](const Unit& a, const Unit& b) { return a.cost > b.cost; });
    double firstCost = 0;
    double secondCost = 0;
    for (const Unit& unit : units) {
        std::vector<std::size_t>& part = firstCost <= secondCost ? first : second;
        part.insert(part.end(), unit.members.begin(), unit.members.end());
        (firstCost <= secondCost ? firstCost : secondCost) += unit.cost;
    }
}

CodeStreams::CodeStreams(const std::vector<HashAlgorithm>& algorithms,
                         const std::vector<std::size_t>& which)
    : trio_(StitchedTrio(algorithms, which)) {
    if (trio_) {
        stitched_.emplace();
    }
    for (const std::size_t i : which) {
        if (!trio_ || std::find(trio_->begin(), trio_->end(), i) == trio_->end()) {
            which_.push_back(i);
        }
    }
    streams_ = std::vector<std::optional<DigestStream>>(which_.size());
    for (std::size_t i = 0; i < which_.size(); ++i) {
        streams_[i].emplace(algorithms[which_[i]].method, algorithms[which_[i]].bits, 0);
    }
}

void CodeStreams::Add(std::span<const std::uint8_t> bytes) {
    if (stitched_) {
        stitched_->Update(bytes.data(), bytes.size());
    }
    for (std::optional<DigestStream>& stream : streams_) {
        stream->Add(bytes);
    }
}

void CodeStreams::FinishInto(Codes& codes) {
    if (stitched_) {
        std::uint8_t md5[16], sha1[20], sha256[32];
        stitched_->Finish(md5, sha1, sha256);
        codes[(*trio_)[0]] = BytesToHex(md5);
        codes[(*trio_)[1]] = BytesToHex(sha1);
        codes[(*trio_)[2]] = BytesToHex(sha256);
    }
    for (std::size_t i = 0; i < which_.size(); ++i) {
        codes[which_[i]] = streams_[i]->Finish();
    }
}

}  // namespace hashwell::digest
