#include "digest/methods.h"

#include <new>
#include <utility>

#include "digest/blake3/blake3.h"
#include "digest/crc32/crc32.h"
#include "digest/md5/md5.h"
#include "digest/sha1/sha1.h"
#include "digest/sha2_32/sha256.h"
#include "digest/sha2_64/sha512.h"
#include "digest/sha3/sha3.h"
#include "digest/xxh3/xxh3.h"

namespace hashwell::digest {
namespace {

// A context that carries one engine after the common fields.
template <class Engine>
struct EngineContext final : DigestContext {
    explicit EngineContext(Engine e) : engine(std::move(e)) { DigestBits = engine.DigestBits(); }
    Engine engine;
};

template <class Engine>
EngineContext<Engine>* As(DigestContext* context) {
    return static_cast<EngineContext<Engine>*>(context);
}

template <class Engine>
DigestContext* NewContext(Engine engine) {
    return new (std::nothrow) EngineContext<Engine>(std::move(engine));
}

template <class Engine>
void AddTo(DigestContext* context, const std::uint8_t* bytes, std::uint32_t length) {
    As<Engine>(context)->engine.Update(bytes, length);
}

template <class Engine>
void FinishIn(DigestContext* context) {
    EngineContext<Engine>* own = As<Engine>(context);
    own->engine.Finish(own->DigestBytes);
}

template <class Engine>
void Release(DigestContext* context) {
    delete As<Engine>(context);
}

// The row of a method with one fixed-size engine; the size passed is ignored.
template <class Engine>
DigestMethodEntry FixedSizeMethod(std::int32_t code) {
    return {code, [](std::int32_t, int) { return NewContext(Engine{}); }, &AddTo<Engine>,
            &FinishIn<Engine>, &Release<Engine>};
}

// SHA2 runs SHA-224/256 or SHA-384/512, two engines; the context's size tells which.
bool IsSha256Family(const DigestContext* context) {
    return context->DigestBits <= 256;
}

DigestContext* CreateSha2(std::int32_t bits, int) {
    bits = SupportedOutputBits(bits);
    if (bits == 0) {
        return nullptr;
    }
    return bits <= 256 ? NewContext(Sha256(bits)) : NewContext(Sha512(bits));
}

void AddToSha2(DigestContext* context, const std::uint8_t* bytes, std::uint32_t length) {
    IsSha256Family(context) ? AddTo<Sha256>(context, bytes, length)
                            : AddTo<Sha512>(context, bytes, length);
}

void FinishSha2(DigestContext* context) {
    IsSha256Family(context) ? FinishIn<Sha256>(context) : FinishIn<Sha512>(context);
}

void ReleaseSha2(DigestContext* context) {
    IsSha256Family(context) ? Release<Sha256>(context) : Release<Sha512>(context);
}

DigestContext* CreateSha3(std::int32_t bits, int) {
    bits = SupportedOutputBits(bits);
    return bits == 0 ? nullptr : NewContext(Sha3(bits));
}

// XXH3's state comes from its library, which may be out of memory.
template <int Bits>
DigestContext* CreateXxh3(std::int32_t, int) {
    Xxh3 engine(Bits);
    return engine.Ready() ? NewContext(std::move(engine)) : nullptr;
}

}  // namespace

std::int32_t SupportedOutputBits(std::int32_t bits) {
    switch (bits) {
        case BitSize::None:
            return BitSize::Bits256;
        case BitSize::Bits224:
        case BitSize::Bits256:
        case BitSize::Bits384:
        case BitSize::Bits512:
            return bits;
        default:
            return 0;
    }
}

DigestMethodEntry Crc32Method() {
    return FixedSizeMethod<Crc32>(HashMethod::Crc32);
}
DigestMethodEntry Md5Method() {
    return FixedSizeMethod<Md5>(HashMethod::Md5);
}
DigestMethodEntry Sha1Method() {
    return FixedSizeMethod<Sha1>(HashMethod::Sha1);
}

DigestMethodEntry Sha2Method() {
    return {HashMethod::Sha2, &CreateSha2, &AddToSha2, &FinishSha2, &ReleaseSha2};
}

DigestMethodEntry Sha3Method() {
    return {HashMethod::Sha3, &CreateSha3, &AddTo<Sha3>, &FinishIn<Sha3>, &Release<Sha3>};
}

DigestMethodEntry Blake3Method() {
    return FixedSizeMethod<Blake3>(HashMethod::Blake3);
}

DigestMethodEntry Xxh3Method() {
    return {HashMethod::Xxh3, &CreateXxh3<64>, &AddTo<Xxh3>, &FinishIn<Xxh3>, &Release<Xxh3>};
}

DigestMethodEntry Xxh128Method() {
    return {HashMethod::Xxh128, &CreateXxh3<128>, &AddTo<Xxh3>, &FinishIn<Xxh3>, &Release<Xxh3>};
}

}  // namespace hashwell::digest
