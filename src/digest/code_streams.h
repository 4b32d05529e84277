#pragma once

// The codes wanted of one file: which algorithms, what each costs, and streams that compute
// some of them from the same buffers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "digest/catalogue.h"
#include "digest/digest.h"
#include "digest/stitched/md5_sha1_sha256.h"

namespace hashwell::digest {

// One file's codes as lowercase hex, one per algorithm in its order.
using Codes = std::vector<std::string>;

// The algorithms' indices split in two parts of about equal cost, for two workers hashing the
// same bytes. Where the stitched kernel runs, MD5, SHA-1 and SHA-256 stay in one part.
void SplitByCost(const std::vector<AlgorithmId>& algorithms, std::vector<std::size_t>& first,
                 std::vector<std::size_t>& second);

// The codes of the algorithms `which` of a file, computed from the same bytes: MD5, SHA-1 and
// SHA-256 together by the stitched engine when all three are among them, the others each by its
// own stream.
class CodeStreams {
public:
    CodeStreams(const std::vector<AlgorithmId>& algorithms, const std::vector<std::size_t>& which);
    void Add(std::span<const std::uint8_t> bytes);
    // Writes each code at its algorithm's index.
    void FinishInto(Codes& codes);

private:
    std::optional<std::array<std::size_t, 3>> trio_;  // MD5, SHA-1, SHA-256
    std::optional<Md5Sha1Sha256> stitched_;
    std::vector<std::size_t> which_;                    // the others
    std::vector<std::optional<DigestStream>> streams_;  // not movable: made in place
};

}  // namespace hashwell::digest
