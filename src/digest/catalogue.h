#pragma once

// The algorithm catalogue: one constant row for every algorithm the program computes, holding
// all that the program knows of it. The registry, the kernel tables' engines, the list run's
// sharing of work, the grid's columns and the command line's algorithms all read it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "digest/digest_method.h"

namespace hashwell::digest {

enum class AlgorithmId : std::uint8_t {
    Crc32,
    Md5,
    Sha1,
    Sha224,
    Sha256,
    Sha384,
    Sha512,
    Sha3_224,
    Sha3_256,
    Sha3_384,
    Sha3_512,
    Blake3,
    Xxh3,
    Xxh128,
};

// How the tool that is the reference for an algorithm writes a file's code when it computes
// that algorithm alone: sha256sum and b3sum untagged ("<hex>  <name>"), xxhsum -H3 tagged
// ("XXH3 (<name>) = <hex>"); and which characters of a name make it escape the line (a
// backslash first, then \\, \n and \r for those characters): coreutils all three, b3sum a
// backslash and a line feed (a carriage return stays as it is), xxhsum none, whose -c reads no
// escaped line: only a line break, which no tool could read back raw, is escaped here.
struct PeerLines {
    bool tagged = false;
    std::string_view escapeTriggers = "\\\n\r";
};

struct Algorithm {
    AlgorithmId id;
    std::int32_t method;        // the registry's key: the window's and the settings' method code
    std::int32_t bits;          // the size the method is asked for; 0 for a method of one size
    std::string_view name;      // as the command line names it: "sha3-256"
    std::string_view tag;       // as a BSD checksum line names it: "SHA3-256"
    std::u16string_view title;  // as the file grid titles its column: "SHA-3-256"
    std::size_t hexLength;      // the length of its code in hex digits
    std::string_view engine;    // the kernel table that computes it (active_kernels.h)
    double cost;                // what hashing a byte costs, roughly: the inverse of its speed here
    DigestMethodEntry (*methodEntry)();  // its method's registry row
    bool inAll;                          // among the command line's "all": the window's eleven
    std::string_view fileAlias;          // another name checksum files go by ("b3": B3SUMS, *.b3)
    PeerLines peerLines;                 // how its reference tool writes a file's code

    bool operator==(const Algorithm& other) const { return id == other.id; }
};

// Every algorithm, from CRC-32 to SHA3-512 and then those the window does not offer; SHA-2
// before SHA-3, and both before the others, among codes of one length.
std::span<const Algorithm> Algorithms();
const Algorithm& AlgorithmOf(AlgorithmId id);
// The algorithm a method computes at a size (0 counts as 256 for SHA2 and SHA3, and a method
// of one size takes any); nullptr for none.
const Algorithm* FindAlgorithm(std::int32_t method, std::int32_t bits);
const Algorithm* FindAlgorithmByName(std::string_view name);
const Algorithm* FindAlgorithmByTag(std::string_view tag);

// The window's list run: the five codes of every file, in its columns' order.
inline constexpr AlgorithmId kListRunAlgorithms[] = {AlgorithmId::Crc32, AlgorithmId::Md5,
                                                     AlgorithmId::Sha1, AlgorithmId::Sha256,
                                                     AlgorithmId::Sha3_256};

}  // namespace hashwell::digest
