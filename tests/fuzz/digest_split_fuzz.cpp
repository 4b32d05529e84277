// A digest must not depend on how its input is cut into pieces: the first byte picks the
// method and size, the next ones the piece sizes (zero-length ones among them), and the rest
// is the message.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "digest/digest.h"
#include "digest/registry.h"

using namespace hashwell::digest;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    static const bool registered = (RegisterDigestMethods(), true);
    (void)registered;
    static constexpr std::int32_t kMethods[] = {
        HashMethod::Crc32, HashMethod::Md5, HashMethod::Sha1, HashMethod::Sha2, HashMethod::Sha3};
    static constexpr std::int32_t kBits[] = {0, 224, 256, 384, 512};
    const std::int32_t method = kMethods[data[0] % 5];
    const std::int32_t bits = kBits[(data[0] / 5) % 5];
    const std::size_t pieceA = data[1];
    const std::size_t pieceB = 1 + data[2] * 3 + data[3];  // never zero, so the loop ends
    const std::span<const std::uint8_t> message(data + 4, size - 4);

    const std::string whole = ComputeDigest(method, bits, 1, message);
    DigestStream stream(method, bits, 0);
    std::span<const std::uint8_t> rest = message;
    for (bool useA = true; !rest.empty(); useA = !useA) {
        const std::size_t piece = std::min(rest.size(), useA ? pieceA : pieceB);
        stream.Add(rest.first(piece));
        rest = rest.subspan(piece);
    }
    if (stream.Finish() != whole) {
        std::abort();
    }
    return 0;
}
