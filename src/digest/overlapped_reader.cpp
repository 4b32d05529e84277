#include "digest/overlapped_reader.h"

#include <algorithm>

namespace hashwell::digest {

OverlappedReader::OverlappedReader(std::size_t pieceSize, std::size_t pieces,
                                   const RunResources& resources)
    : pieceSize_(pieceSize),
      bytes_(resources.allocate(pieceSize * std::max<std::size_t>(pieces, 2))),
      ring_(std::max<std::size_t>(pieces, 2)) {
    if (!bytes_) {
        return;
    }
    for (std::size_t i = 0; i < ring_.size(); ++i) {
        ring_[i].bytes = bytes_.get() + i * pieceSize_;
    }
    // Without a thread, Next reads each piece itself when it is asked for.
    thread_ = resources.startThread([this] { ReadAhead(); });
}

OverlappedReader::~OverlappedReader() {
    {
        std::lock_guard lock(lock_);
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_) {
        thread_->join();
    }
}

Piece ReadPiece(ByteSource& source, std::uint8_t* buffer, std::size_t size,
                std::u16string* reason) {
    const std::optional<std::size_t> got = source.Read(buffer, size, reason);
    Piece piece{{buffer, got.value_or(0)}, !got || *got < size, !got};
    if (got && piece.last && !source.ReadAsOpened()) {
        piece.failed = true;
        if (reason != nullptr) {
            *reason = kChangedWhileRead;
        }
    }
    return piece;
}

void OverlappedReader::ReadInto(Slot& slot, ByteSource& source) const {
    slot.reason.clear();
    const Piece piece = ReadPiece(source, slot.bytes, pieceSize_, &slot.reason);
    slot.length = piece.bytes.size();
    slot.last = piece.last;
    slot.failed = piece.failed;
}

void OverlappedReader::ReadAhead() {
    std::unique_lock lock(lock_);
    for (;;) {
        changed_.wait(lock, [this] {
            return stop_ || (!sourceRead_ && !direct_ && produced_ - released_ < ring_.size());
        });
        if (stop_) {
            return;
        }
        Slot& slot = ring_[produced_ % ring_.size()];
        ByteSource& source = *source_;
        reading_ = true;
        lock.unlock();
        ReadInto(slot, source);
        lock.lock();
        reading_ = false;
        ++produced_;
        sourceRead_ = sourceRead_ || slot.last;
        changed_.notify_all();
    }
}

void OverlappedReader::DropSource(std::unique_lock<std::mutex>& lock) {
    // No further piece is read; a read in flight must end before its buffer or its source may
    // be used again.
    sourceRead_ = true;
    changed_.wait(lock, [this] { return !reading_; });
    consumed_ = released_ = produced_;
}

void OverlappedReader::Abandon() {
    std::unique_lock lock(lock_);
    DropSource(lock);
    source_ = nullptr;
}

void OverlappedReader::Start(ByteSource& source, std::uint64_t expectedSize) {
    if (!Ready()) {
        return;
    }
    std::unique_lock lock(lock_);
    DropSource(lock);  // what is left of the source before
    source_ = &source;
    sourceRead_ = false;
    direct_ = expectedSize < pieceSize_ || !thread_;
    if (!direct_) {
        // Woken only when it has work: for a run of small files a wake-up of a thread that
        // finds nothing to do would cost about as much as reading one.
        changed_.notify_all();
    }
}

Piece OverlappedReader::Next(std::u16string* reason) {
    std::unique_lock lock(lock_);
    if (consumed_ > released_) {
        released_ = consumed_;  // the piece handed out last is done with
        if (!direct_) {
            changed_.notify_all();
        }
    }
    if (!Ready() || (sourceRead_ && produced_ == consumed_)) {
        return {{}, true, true};  // past the last piece, or no source
    }
    if (direct_) {
        Slot& slot = ring_[produced_ % ring_.size()];
        ReadInto(slot, *source_);
        ++produced_;
        sourceRead_ = slot.last;
    }
    changed_.wait(lock, [this] { return produced_ > consumed_; });
    const Slot& slot = ring_[consumed_ % ring_.size()];
    ++consumed_;
    if (slot.failed && reason != nullptr) {
        *reason = slot.reason;
    }
    return {{slot.bytes, slot.length}, slot.last, slot.failed};
}

}  // namespace hashwell::digest
