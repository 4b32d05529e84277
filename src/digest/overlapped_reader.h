#pragma once

// Reading ahead: a thread of the reader's own reads the next pieces of a file while the caller
// hashes the current one, so that a file not yet in memory costs the larger of reading and
// hashing, not their sum. The pieces live in a small ring of buffers, whatever the file's size.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "digest/run_resources.h"
#include "platform/platform.h"

namespace hashwell::digest {

// Why a file has no code when it changed while it was read.
inline constexpr std::u16string_view kChangedWhileRead = u"File changed while it was read";

// What the reader reads: a file opened for reading, or a test's stand-in.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills `buffer` with up to `size` bytes, fewer only at the end; nothing on a read error,
    // with the system's reason.
    virtual std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size,
                                            std::u16string* reason) = 0;
    // Once the end is read: whether the bytes read are the source as it was when opened.
    virtual bool ReadAsOpened() const = 0;
};

// A file opened for reading, as a source.
class FileSource final : public ByteSource {
public:
    explicit FileSource(platform::ReadOnlyFile& file) : file_(file) {}
    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size,
                                    std::u16string* reason) override {
        return file_.Read(buffer, size, reason);
    }
    bool ReadAsOpened() const override { return file_.ReadAsOpened(); }

private:
    platform::ReadOnlyFile& file_;
};

// One piece of a source, in order. Its bytes stay valid until the next call to Next or Start.
struct Piece {
    std::span<const std::uint8_t> bytes;
    bool last = false;    // nothing follows: the end, or a failure
    bool failed = false;  // a read error, or a source that changed: it has no code
};

// Reads one piece of up to `size` bytes into `buffer`. A short piece is the last: nothing past it
// is read. A read error, or a source that is not as it was opened once its end is read, fails
// the piece and says why in `reason`.
Piece ReadPiece(ByteSource& source, std::uint8_t* buffer, std::size_t size, std::u16string* reason);

class OverlappedReader {
public:
    // A ring of `pieces` buffers of `pieceSize` bytes each (at least two), and a thread that
    // reads ahead, both had from `resources`.
    explicit OverlappedReader(std::size_t pieceSize, std::size_t pieces = 3,
                              const RunResources& resources = SystemResources());
    ~OverlappedReader();
    OverlappedReader(const OverlappedReader&) = delete;
    OverlappedReader& operator=(const OverlappedReader&) = delete;

    // False when the buffers could not be had; nothing can be read then.
    bool Ready() const { return bytes_ != nullptr; }

    // Begins reading `source` from where it stands. What is left of the source before is
    // dropped. The source must live until its last piece has been taken or Start is called
    // again. A source expected to fit in one piece is read by Next itself: there is nothing to
    // read ahead, and handing it over would cost more than the read.
    static constexpr std::uint64_t kUnknownSize = ~std::uint64_t{0};
    void Start(ByteSource& source, std::uint64_t expectedSize = kUnknownSize);

    // Reads nothing more of the source, once a read in flight has ended; the source may then
    // go. Next has nothing to give until the next Start.
    void Abandon();

    // The next piece, waiting for it to be read. After a failed piece `reason` holds why,
    // when given. Past the last piece there is nothing more: a failed, empty piece.
    Piece Next(std::u16string* reason = nullptr);

private:
    struct Slot {
        std::uint8_t* bytes = nullptr;
        std::size_t length = 0;
        bool last = false;
        bool failed = false;
        std::u16string reason;
    };
    void ReadAhead();
    void DropSource(std::unique_lock<std::mutex>& lock);
    void ReadInto(Slot& slot, ByteSource& source) const;

    std::size_t pieceSize_;
    ReadBuffer bytes_;
    std::vector<Slot> ring_;

    std::mutex lock_;
    std::condition_variable changed_;
    ByteSource* source_ = nullptr;
    bool sourceRead_ = true;  // the source's last piece is read
    bool direct_ = false;     // Next reads the source itself
    bool stop_ = false;
    bool reading_ = false;               // the thread reads a piece, outside the lock
    std::uint64_t produced_ = 0;         // pieces read
    std::uint64_t consumed_ = 0;         // pieces handed out
    std::uint64_t released_ = 0;         // pieces whose buffers are free again
    std::optional<std::thread> thread_;  // none when it could not be started: Next reads itself
};

}  // namespace hashwell::digest
