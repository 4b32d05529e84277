#include "digest/chunk_ring.h"

#include <algorithm>

#include "digest/overlapped_reader.h"

namespace hashwell::digest {

ChunkRing::ChunkRing(std::size_t chunkSize, std::size_t chunks, const RunResources& resources)
    : chunkSize_(chunkSize),
      ring_(chunks),
      bytes_(resources.allocate(chunkSize * chunks)),
      resources_(resources) {
    for (std::size_t i = 0; bytes_ != nullptr && i < chunks; ++i) {
        ring_[i].bytes = bytes_.get() + i * chunkSize;
    }
}

ChunkRing::~ChunkRing() {
    if (thread_ && thread_->joinable()) {
        thread_->join();
    }
}

void ChunkRing::SetReaders(int readers) {
    std::lock_guard lock(lock_);
    readers_ = readers;
}

int ChunkRing::Readers() const {
    std::lock_guard lock(lock_);
    return readers_;
}

bool ChunkRing::Start(std::vector<std::size_t> files, Opener open,
                      std::vector<std::u16string>& failures,
                      std::function<void(std::size_t)> onRead) {
    thread_ = resources_.startThread(
        [this, files = std::move(files), open = std::move(open), &failures,
         onRead = std::move(onRead)] { Read(files, open, failures, onRead); });
    return thread_.has_value();
}

void ChunkRing::EndUnread() {
    {
        std::lock_guard lock(lock_);
        ring_[0].file = kEnd;
        chunksRead_ = 1;
    }
    changed_.notify_all();
}

void ChunkRing::Stop() {
    {
        std::lock_guard lock(lock_);
        stopped_ = true;
    }
    changed_.notify_all();
}

// The chunk to fill next, once every reader is done with what it held; nothing once the ring
// is stopped.
ChunkRing::Chunk* ChunkRing::FreeChunk(std::uint64_t next) {
    std::unique_lock lock(lock_);
    changed_.wait(lock, [&] {
        const std::uint64_t hashed =
            readers_ == 1 ? chunksHashed_[0] : std::min(chunksHashed_[0], chunksHashed_[1]);
        return stopped_ || next - hashed < ring_.size();
    });
    return stopped_ ? nullptr : &ring_[next % ring_.size()];
}

void ChunkRing::Publish(std::uint64_t read) {
    {
        std::lock_guard lock(lock_);
        chunksRead_ = read;
    }
    changed_.notify_all();
}

void ChunkRing::Read(const std::vector<std::size_t>& files, const Opener& open,
                     std::vector<std::u16string>& failures,
                     const std::function<void(std::size_t)>& onRead) {
    std::uint64_t next = 0;
    for (const std::size_t file : files) {
        std::u16string& failure = failures[file];
        std::optional<platform::ReadOnlyFile> input = open(file, &failure);
        bool failed = !input;
        bool last = failed;
        do {
            Chunk* free = FreeChunk(next);
            if (free == nullptr) {
                return;
            }
            Chunk& chunk = *free;
            chunk.file = file;
            chunk.length = 0;
            if (!failed) {
                FileSource source(*input);
                const Piece piece = ReadPiece(source, chunk.bytes, chunkSize_, &failure);
                chunk.length = piece.bytes.size();
                last = piece.last;
                failed = piece.failed;
            }
            chunk.failed = failed;
            chunk.last = last;
            onRead(chunk.length);
            Publish(++next);
        } while (!last);
    }
    if (Chunk* end = FreeChunk(next)) {
        end->file = kEnd;
        Publish(++next);
    }
}

const ChunkRing::Chunk& ChunkRing::Wait(std::uint64_t n) {
    static const Chunk kStopped;  // file kEnd: nothing more
    std::unique_lock lock(lock_);
    changed_.wait(lock, [&] { return stopped_ || chunksRead_ > n; });
    return stopped_ ? kStopped : ring_[n % ring_.size()];
}

void ChunkRing::Done(int reader, std::uint64_t n) {
    {
        std::lock_guard lock(lock_);
        chunksHashed_[reader] = n + 1;
    }
    changed_.notify_all();
}

}  // namespace hashwell::digest
