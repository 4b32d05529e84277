#include "digest/list_hasher.h"

#include <algorithm>
#include <new>
#include <optional>

#include "digest/digest.h"
#include "digest/digest_method.h"
#include "digest/file_digest.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kChunkSize = kFileReadBufferSize;
constexpr std::size_t kRingChunks = 3;
// Files from this size on are worth sharing between the workers chunk by chunk.
constexpr std::uint64_t kSharedFromSize = 4 * kChunkSize;
// What finishing a file counts for in the progress, besides its bytes.
constexpr std::uint64_t kUnitsPerFile = 64 * 1024;
constexpr std::size_t kNoFile = static_cast<std::size_t>(-1);

struct CodeSpec {
    std::int32_t method;
    std::int32_t bits;
};
constexpr std::array<CodeSpec, 5> kCodes = {{{HashMethod::Crc32, 0},
                                             {HashMethod::Md5, 0},
                                             {HashMethod::Sha1, 0},
                                             {HashMethod::Sha2, 256},
                                             {HashMethod::Sha3, 256}}};
// Which of the five codes each worker computes on a shared file: the two halves cost about
// the same (SHA3-256 alone weighs as much as the other three together, CRC-32 little).
constexpr std::array<std::size_t, 2> kFirstHalf = {0, 4};
constexpr std::array<std::size_t, 3> kSecondHalf = {1, 2, 3};

// A set of the five streams, or of some of them, fed from the same bytes.
template <std::size_t N>
class Streams {
public:
    explicit Streams(const std::array<std::size_t, N>& which) : which_(which) {
        for (std::size_t i = 0; i < N; ++i) {
            streams_[i].emplace(kCodes[which[i]].method, kCodes[which[i]].bits, 0);
        }
    }
    void Add(std::span<const std::uint8_t> bytes) {
        for (auto& stream : streams_) {
            stream->Add(bytes);
        }
    }
    void FinishInto(FiveCodes& codes) {
        for (std::size_t i = 0; i < N; ++i) {
            codes[which_[i]] = streams_[i]->Finish();
        }
    }

private:
    std::array<std::size_t, N> which_;
    std::array<std::optional<DigestStream>, N> streams_;
};

}  // namespace

struct ListHasher::Chunk {
    std::size_t file = kNoFile;  // kNoFile: the end of the large files
    std::uint8_t* bytes = nullptr;
    std::size_t length = 0;
    bool last = false;    // the file's last chunk
    bool failed = false;  // the file could not be opened or read to its end
};

ListHasher::ListHasher(std::vector<platform::Path> paths)
    : paths_(std::move(paths)), results_(paths_.size()) {
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        const std::uint64_t size = platform::RegularFileSize(paths_[i]).value_or(0);
        (size >= kSharedFromSize ? large_ : small_).push_back(i);
        unitsTotal_ += size + kUnitsPerFile;
    }
    ring_.resize(kRingChunks);
    ringBytes_.reset(new (std::nothrow) std::uint8_t[kRingChunks * kChunkSize]);
    smallBuffers_.reset(new (std::nothrow) std::uint8_t[2 * kChunkSize]);
    if (!ringBytes_ || !smallBuffers_) {
        return;  // no memory: every file fails, as a file that cannot be read
    }
    for (std::size_t i = 0; i < kRingChunks; ++i) {
        ring_[i].bytes = ringBytes_.get() + i * kChunkSize;
    }
    // The second worker starts first: it only waits for chunks, so if the first cannot start
    // it is simply told that there are none.
    workersRunning_ = 2;
    workers_.reserve(2);
    try {
        workers_.emplace_back([this] {
            HashSharedSecondHalf();
            HashSmallFiles(smallBuffers_.get() + kChunkSize);
            Finished();
        });
        workers_.emplace_back([this] {
            ReadAndHashShared();
            HashSmallFiles(smallBuffers_.get());
            Finished();
        });
    } catch (...) {  // no thread, or no memory for one
        // Without two workers the large files cannot be shared: they are hashed whole, on this
        // thread and on the second worker if it runs.
        small_.insert(small_.end(), large_.begin(), large_.end());
        large_.clear();
        {
            std::lock_guard lock(ringLock_);
            workersRunning_ = static_cast<int>(workers_.size());
            ring_[0].file = kNoFile;
            chunksRead_ = 1;
        }
        ringChanged_.notify_all();
        HashSmallFiles(smallBuffers_.get());
    }
}

ListHasher::~ListHasher() {
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

bool ListHasher::WaitFor(std::chrono::milliseconds wait) {
    std::unique_lock lock(doneLock_);
    return doneChanged_.wait_for(lock, wait, [this] { return workersRunning_ == 0; });
}

int ListHasher::PercentDone() const {
    {
        std::lock_guard lock(doneLock_);
        if (workersRunning_ == 0) {
            return 100;
        }
    }
    if (unitsTotal_ == 0) {
        return 0;
    }
    // A file that grew while it was read may carry the count past the total.
    const std::uint64_t done = unitsDone_.load(std::memory_order_relaxed);
    return static_cast<int>(std::min<std::uint64_t>(99, done * 100 / unitsTotal_));
}

void ListHasher::Finished() {
    std::lock_guard lock(doneLock_);
    if (--workersRunning_ == 0) {
        doneChanged_.notify_all();
    }
}

void ListHasher::ReadAndHashShared() {
    std::uint64_t next = 0;
    // Hands chunk `next` to the other worker once it has been filled.
    auto publish = [&] {
        {
            std::lock_guard lock(ringLock_);
            chunksRead_ = ++next;
        }
        ringChanged_.notify_all();
    };
    auto freeChunk = [&]() -> Chunk& {
        std::unique_lock lock(ringLock_);
        ringChanged_.wait(lock, [&] { return next - chunksHashed_ < kRingChunks; });
        return ring_[next % kRingChunks];
    };

    for (const std::size_t file : large_) {
        std::optional<platform::ReadOnlyFile> input =
            platform::ReadOnlyFile::OpenRegular(paths_[file]);
        Streams<2> streams(kFirstHalf);
        bool failed = !input;
        bool last = failed;
        do {
            Chunk& chunk = freeChunk();
            chunk.file = file;
            chunk.length = 0;
            if (!failed) {
                const std::optional<std::size_t> got = input->Read(chunk.bytes, kChunkSize);
                chunk.length = got.value_or(0);
                last = !got || chunk.length < kChunkSize;
                failed = !got || (last && !input->ReadAsOpened());
            }
            chunk.failed = failed;
            chunk.last = last;
            publish();
            if (!failed) {
                streams.Add({chunk.bytes, chunk.length});
            }
            unitsDone_.fetch_add(chunk.length, std::memory_order_relaxed);
        } while (!last);
        if (!failed) {
            streams.FinishInto(results_[file]);
        }
    }
    Chunk& end = freeChunk();
    end.file = kNoFile;
    publish();
}

void ListHasher::HashSharedSecondHalf() {
    std::optional<Streams<3>> streams;
    for (std::uint64_t next = 0;; ++next) {
        Chunk* chunk = nullptr;
        {
            std::unique_lock lock(ringLock_);
            ringChanged_.wait(lock, [&] { return chunksRead_ > next; });
            chunk = &ring_[next % kRingChunks];
        }
        if (chunk->file == kNoFile) {
            return;
        }
        if (!streams) {
            streams.emplace(kSecondHalf);
        }
        if (!chunk->failed) {
            streams->Add({chunk->bytes, chunk->length});
        }
        if (chunk->last) {
            if (!chunk->failed) {
                streams->FinishInto(results_[chunk->file]);
            }
            streams.reset();
            unitsDone_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
        }
        {
            std::lock_guard lock(ringLock_);
            chunksHashed_ = next + 1;
        }
        ringChanged_.notify_all();
    }
}

void ListHasher::HashSmallFiles(std::uint8_t* buffer) {
    for (;;) {
        const std::size_t index = nextSmall_.fetch_add(1);
        if (index >= small_.size()) {
            return;
        }
        const std::size_t file = small_[index];
        std::optional<platform::ReadOnlyFile> input =
            platform::ReadOnlyFile::OpenRegular(paths_[file]);
        if (input) {
            Streams<5> streams({0, 1, 2, 3, 4});
            for (;;) {
                const std::optional<std::size_t> got = input->Read(buffer, kChunkSize);
                if (!got) {
                    break;
                }
                streams.Add({buffer, *got});
                unitsDone_.fetch_add(*got, std::memory_order_relaxed);
                if (*got < kChunkSize) {
                    if (input->ReadAsOpened()) {
                        streams.FinishInto(results_[file]);
                    }
                    break;
                }
            }
        }
        unitsDone_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
    }
}

}  // namespace hashwell::digest
