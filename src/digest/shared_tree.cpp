#include "digest/shared_tree.h"

#include "digest/digest.h"

namespace hashwell::digest {

SharedBlake3::SharedBlake3(std::size_t bufferSize, std::size_t inFlight)
    : bufferSize_(bufferSize), buffers_(inFlight) {}

bool SharedBlake3::Add(int worker, std::span<const std::uint8_t> bytes, bool last) {
    const auto own = static_cast<std::size_t>(worker);
    const std::uint64_t offset = offset_[own];
    Buffer& buffer = buffers_[count_[own] % buffers_.size()];
    offset_[own] += bytes.size();
    ++count_[own];
    // Both workers decide alike from what they both know: halves are subtrees only when the
    // buffer is whole, starts at a multiple of its size, and more bytes follow it.
    const std::size_t half = bufferSize_ / 2;
    const bool halved = !last && bytes.size() == bufferSize_ && offset % bufferSize_ == 0;
    if (halved) {
        buffer.halves[own] = Blake3::HashSubtree(bytes.data() + own * half, half,
                                                 (offset + own * half) / kBlake3ChunkLength);
    }
    // The second to arrive sees the first's half; the first's earlier buffers were joined
    // before it arrived here, as each worker joins a buffer before it starts its next.
    if (buffer.arrived.fetch_add(1, std::memory_order_acq_rel) == 0) {
        return false;
    }
    buffer.arrived.store(0, std::memory_order_relaxed);
    if (halved) {
        tree_.AddSubtree(buffer.halves[0], half);
        tree_.AddSubtree(buffer.halves[1], half);
    } else {
        tree_.Update(bytes.data(), bytes.size());
    }
    if (!last) {
        return false;
    }
    std::uint8_t out[kBlake3OutLength];
    tree_.Finish(out);
    code_ = BytesToHex(out);
    return true;
}

}  // namespace hashwell::digest
