#include "digest/crc32/crc32.h"

#include <array>

#include "digest/byte_order.h"
#include "digest/crc32/crc32_update.h"

namespace hashwell::digest {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320;

// Table k gives the CRC of a byte followed by k zero bytes, which lets eight input bytes be
// folded in per step ("slicing by 8") with the same result as the byte-wise table.
using SliceTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr SliceTables MakeTables() {
    SliceTables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? (c >> 1) ^ kPolynomial : c >> 1;
        }
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::size_t n = 0; n < 256; ++n) {
            const std::uint32_t previous = tables[k - 1][n];
            tables[k][n] = (previous >> 8) ^ tables[0][previous & 0xFF];
        }
    }
    return tables;
}

constexpr SliceTables kTables = MakeTables();

}  // namespace

std::uint32_t Crc32UpdatePortable(std::uint32_t c, const std::uint8_t* data, std::size_t length) {
    while (length >= 8) {
        const std::uint32_t low = LoadLe32(data) ^ c;
        const std::uint32_t high = LoadLe32(data + 4);
        c = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^
            kTables[5][(low >> 16) & 0xFF] ^ kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^
            kTables[2][(high >> 8) & 0xFF] ^ kTables[1][(high >> 16) & 0xFF] ^
            kTables[0][high >> 24];
        data += 8;
        length -= 8;
    }
    while (length-- > 0) {
        c = (c >> 8) ^ kTables[0][(c ^ *data++) & 0xFF];
    }
    return c;
}

KernelTable<Crc32Update>& Crc32Kernels() {
    static constexpr Kernel<Crc32Update> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"vpclmul", [] { return Cpu().vpclmul && Cpu().pclmul && Cpu().sse41; },
         &Crc32UpdateVpclmul},
        {"pclmul", [] { return Cpu().pclmul && Cpu().sse41; }, &Crc32UpdatePclmul},
#endif
        {"portable", &AlwaysSupported, &Crc32UpdatePortable},
    };
    static KernelTable<Crc32Update> table{kKernels};
    return table;
}

void Crc32::Update(const std::uint8_t* data, std::size_t length) {
    crc_ = ~update_(~crc_, data, length);
}

void Crc32::Finish(std::uint8_t* out) const {
    StoreBe32(out, crc_);
}

}  // namespace hashwell::digest
