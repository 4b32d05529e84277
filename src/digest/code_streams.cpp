#include "digest/code_streams.h"

#include <algorithm>
#include <numeric>

namespace hashwell::digest {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// MD5, SHA-1 and SHA-256 through the stitched kernel cost about as much as MD5 alone.
constexpr double kStitchedCost = 1.7;

// Where among `which` the algorithms lie that the stitched engine computes together: MD5, SHA-1
// and SHA-256, in that order; nothing when one of them is missing.
std::optional<std::array<std::size_t, 3>> StitchedTrio(const std::vector<AlgorithmId>& algorithms,
                                                       const std::vector<std::size_t>& which) {
    std::array<std::size_t, 3> trio{kNone, kNone, kNone};
    for (const std::size_t i : which) {
        const AlgorithmId a = algorithms[i];
        const int k = a == AlgorithmId::Md5      ? 0
                      : a == AlgorithmId::Sha1   ? 1
                      : a == AlgorithmId::Sha256 ? 2
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
void SplitByCost(const std::vector<AlgorithmId>& algorithms, std::vector<std::size_t>& first,
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
            units.push_back({{i}, AlgorithmOf(algorithms[i]).cost});
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

CodeStreams::CodeStreams(const std::vector<AlgorithmId>& algorithms,
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
        const Algorithm& algorithm = AlgorithmOf(algorithms[which_[i]]);
        streams_[i].emplace(algorithm.method, algorithm.bits, 0);
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
