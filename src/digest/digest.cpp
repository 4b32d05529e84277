#include "digest/digest.h"

#include <limits>

#include "digest/registry.h"

namespace hashwell::digest {

std::string BytesToHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

std::string DigestToHex(const DigestContext* context) {
    if (context == nullptr) {
        return {};
    }
    return BytesToHex({context->DigestBytes, static_cast<std::size_t>(context->DigestBits / 8)});
}

DigestStream::DigestStream(std::int32_t code, std::int32_t bits, int fromText)
    : method_(FindDigestMethod(code)) {
    // A row registered without its operations computes nothing.
    const bool complete = method_ != nullptr && method_->CreateContext && method_->AddBytes &&
                          method_->FinishDigest && method_->ReleaseContext;
    if (complete) {
        context_ = method_->CreateContext(bits, fromText);
    }
}

DigestStream::~DigestStream() {
    if (context_ != nullptr) {
        method_->ReleaseContext(context_);
    }
}

void DigestStream::Add(std::span<const std::uint8_t> bytes) {
    if (context_ == nullptr) {
        return;
    }
    // The methods count a piece's length in 32 bits; longer spans go in several pieces.
    constexpr std::size_t kLargestPiece = std::numeric_limits<std::uint32_t>::max();
    do {
        const std::size_t piece = bytes.size() < kLargestPiece ? bytes.size() : kLargestPiece;
        method_->AddBytes(context_, bytes.data(), static_cast<std::uint32_t>(piece));
        bytes = bytes.subspan(piece);
    } while (!bytes.empty());
}

std::string DigestStream::Finish() {
    if (context_ == nullptr) {
        return {};
    }
    method_->FinishDigest(context_);
    std::string text = DigestToHex(context_);
    method_->ReleaseContext(context_);
    context_ = nullptr;
    return text;
}

std::string ComputeDigest(std::int32_t code, std::int32_t bits, int fromText,
                          std::span<const std::uint8_t> bytes) {
    DigestStream stream(code, bits, fromText);
    stream.Add(bytes);
    return stream.Finish();
}

}  // namespace hashwell::digest
