#pragma once

// The shared files of a run, read by a thread of the ring's own into a small ring of chunks, so
// that one or two workers hash each chunk in turn, each for its part of the codes. Memory stays
// the same whatever the files' sizes.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "digest/run_resources.h"
#include "platform/platform.h"

namespace hashwell::digest {

class ChunkRing {
public:
    static constexpr std::size_t kEnd = static_cast<std::size_t>(-1);
    struct Chunk {
        std::size_t file = kEnd;  // the file's index; kEnd after the last shared file
        std::uint8_t* bytes = nullptr;
        std::size_t length = 0;
        bool last = false;    // the file's last chunk
        bool failed = false;  // the file could not be opened or read to its end
    };
    using Opener = std::function<std::optional<platform::ReadOnlyFile>(std::size_t file,
                                                                       std::u16string* failure)>;

    ChunkRing(std::size_t chunkSize, std::size_t chunks, const RunResources& resources);
    ~ChunkRing();  // waits for the reading thread
    ChunkRing(const ChunkRing&) = delete;
    ChunkRing& operator=(const ChunkRing&) = delete;

    // False when the chunks' memory could not be had.
    bool Ready() const { return bytes_ != nullptr; }

    // How many workers hash each chunk: 2, or 1 when one alone computes all the codes.
    void SetReaders(int readers);
    int Readers() const;

    // Reads `files` in turn on a thread of the ring's own: each is opened with `open`, its
    // failure written to `failures[file]`, and `onRead` told of the bytes of every chunk. False
    // when the thread cannot be started; EndUnread then tells the readers there is nothing.
    bool Start(std::vector<std::size_t> files, Opener open, std::vector<std::u16string>& failures,
               std::function<void(std::size_t bytes)> onRead);
    void EndUnread();

    // Reads nothing after the read in flight; Wait gives the end from now on.
    void Stop();

    // Chunk `n`, counted from 0 in reading order, once it has been read.
    const Chunk& Wait(std::uint64_t n);
    // Reader 0 or 1 is done with chunk `n`: once every reader is, it may be filled again.
    void Done(int reader, std::uint64_t n);

private:
    void Read(const std::vector<std::size_t>& files, const Opener& open,
              std::vector<std::u16string>& failures,
              const std::function<void(std::size_t)>& onRead);
    Chunk* FreeChunk(std::uint64_t next);
    void Publish(std::uint64_t read);

    std::size_t chunkSize_;
    std::vector<Chunk> ring_;
    ReadBuffer bytes_;
    const RunResources& resources_;

    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::uint64_t chunksRead_ = 0;        // chunks the reading thread has filled
    std::uint64_t chunksHashed_[2] = {};  // chunks each reader is done with
    int readers_ = 2;
    bool stopped_ = false;
    std::optional<std::thread> thread_;
};

}  // namespace hashwell::digest
